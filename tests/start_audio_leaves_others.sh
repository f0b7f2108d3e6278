#!/usr/bin/env bash
# The audio script ends nothing it did not start: a sound stream of another
# run (here a stand-in under the same command line) is left running.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
( exec -a "pacat --playback --raw --format=u8 --rate=11025 --channels=1" sleep 120 ) &
other=$!
( exec -a "pacat --playback --raw --format=s16le --rate=11025 --channels=1" sleep 120 ) &
another=$!
trap 'kill $other $another 2>/dev/null || true' EXIT
XDG_RUNTIME_DIR=$(bash "$root/scripts/start-audio.sh") >/dev/null
sleep 0.5
kill -0 "$other" && kill -0 "$another" && echo "other runs' streams left alone"
