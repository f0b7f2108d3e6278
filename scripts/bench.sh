#!/usr/bin/env bash
# Builds Lettermarch (installing what is missing) and prints every benchmark
# figure: start-up, CPU time and peak memory beside a program with the same
# widgets, answer latency, and the windows that fill from many rows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LETTERMARCH_BUILD_ONLY=1 bash "$root/scripts/setup.sh" run
"$root/build/bin/bench_startup"
"$root/build/bin/bench_windows"
