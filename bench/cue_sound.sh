#!/bin/bash
# Usage: bench/cue_sound.sh [COUNT] [CUE]
# Plays a cue (default assets/hit.wav) COUNT times (default 100) through the game's own sound
# module, at three paces of guessing, into a private PulseAudio null sink that is recorded, and
# counts the cues that reached the sink and how much of each. Prints one Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100}
cue=${2:-assets/hit.wav}
tools/needs pulseaudio pulseaudio-utils python3-gi gir1.2-atspi-2.0 >&2
tools/build build-release -DCMAKE_BUILD_TYPE=Release >&2
work=$(mktemp -d)
trap 'kill $pulse 2>/dev/null; rm -rf "$work"' EXIT
export PULSE_SERVER="unix:$work/pulse" PULSE_RUNTIME_PATH="$work/pulse-runtime" \
    PULSE_STATE_PATH="$work/pulse-state"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
    -L "module-null-sink sink_name=speakers rate=48000" \
    -L "module-native-protocol-unix socket=$work/pulse auth-anonymous=1" 2>/dev/null &
pulse=$!
for _ in $(seq 50); do [ -S "$work/pulse" ] && break; sleep 0.1; done
echo "| pace (s) | cues asked | heard | 100 ms or more | length heard, median (ms) | shortest (ms) |"
echo "|---:|---:|---:|---:|---:|---:|"
for pace in 700 300 200; do
    parec -d speakers.monitor --rate=48000 --channels=1 --format=s16le --file-format=wav \
        "$work/heard.wav" &
    recorder=$!
    sleep 0.5
    QT_QPA_PLATFORM=offscreen build-release/bench/cue_probe "$cue" "$count" "$pace" \
        >"$work/asked" 2>/dev/null
    sleep 0.5
    kill $recorder
    wait $recorder 2>/dev/null || true
    /usr/bin/python3 -B bench/cue_sound.py "$work/heard.wav" "$work/asked" "$pace"
done
