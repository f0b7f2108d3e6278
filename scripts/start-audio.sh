#!/usr/bin/env bash
# Starts a PulseAudio server with a silent speaker (a null sink) and a
# virtual microphone that hears it, so the audio tests run through the real
# Qt Multimedia path on a machine without sound hardware. Prints the
# XDG_RUNTIME_DIR to use; safe to run again while one is already running.
set -euo pipefail

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/lettermarch-audio-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

if ! pactl info >/dev/null 2>&1; then
    # As root PulseAudio warns that it is meant for users; it works all the same.
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit=yes --system=false \
        --disable-shm=yes -n --load="module-native-protocol-unix" >/dev/null 2>&1 || true
    for _ in $(seq 1 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
fi
if ! pactl list short sinks 2>/dev/null | grep -q lettermarch_speaker; then
    pactl load-module module-null-sink sink_name=lettermarch_speaker >/dev/null
    pactl load-module module-remap-source master=lettermarch_speaker.monitor \
        source_name=lettermarch_microphone >/dev/null
fi
pactl set-default-sink lettermarch_speaker
pactl set-default-source lettermarch_microphone
# An idle null sink renders in long blocks, so its monitor would deliver sound
# in bursts seconds apart. A silent stream with a short latency keeps it
# running in real time, as a real microphone does. Signed 16-bit zeros are
# true silence (8-bit zeros would be the loudest negative level), so a test
# can tell sound from it.
# Only the stream this script started is looked at, by the process id it
# noted: never another user's or another test run's.
pidfile="$XDG_RUNTIME_DIR/lettermarch-silence.pid"
pid=$(cat "$pidfile" 2>/dev/null || true)
if [ -z "$pid" ] || ! grep -q pacat "/proc/$pid/cmdline" 2>/dev/null; then
    nohup pacat --playback --raw --format=s16le --rate=11025 --channels=1 --latency-msec=20 \
        --device=lettermarch_speaker < /dev/zero >/dev/null 2>&1 &
    echo $! >"$pidfile"
fi
# Wait until the microphone delivers sound at its real rate.
for _ in $(seq 1 20); do
    bytes=$(timeout 0.5 parec --raw --format=u8 --rate=11025 --channels=1 --latency-msec=20 2>/dev/null | wc -c || true)
    [ "${bytes:-0}" -gt 2000 ] && break
done
echo "$XDG_RUNTIME_DIR"
