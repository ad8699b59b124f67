#!/bin/bash
# Usage: bench/sound_wait.sh [RUNS] [GAME_EXECUTABLE]
# How long the board stays frozen after the player answers the message at the end of a game:
# from pressing OK to the board's reset, for "win.wav" and "lose.wav", on the first sound of a
# run (the sound module loads then) and on a later one. The game runs in the end-to-end tests'
# private desktop session, with a PulseAudio null sink so that the sounds really play. Prints one
# Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --inside-session ]; then
    shift
    work=$(mktemp -d)
    trap 'kill $pulse 2>/dev/null; rm -rf "$work"' EXIT
    export PULSE_SERVER="unix:$work/pulse" PULSE_RUNTIME_PATH="$work/pulse-runtime" \
        PULSE_STATE_PATH="$work/pulse-state"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=nowhere" \
        -L "module-native-protocol-unix socket=$work/pulse auth-anonymous=1" 2>/dev/null &
    pulse=$!
    for _ in $(seq 50); do [ -S "$work/pulse" ] && break; sleep 0.1; done
    /usr/bin/python3 -B bench/sound_wait.py "$@"
    exit
fi
runs=${1:-5}
tools/needs xvfb xdotool dbus at-spi2-core python3-gi gir1.2-atspi-2.0 pulseaudio >&2
game=${2:-}
if [ -z "$game" ]; then
    tools/build build-release --game-only -DCMAKE_BUILD_TYPE=Release >&2
    game=build-release/gibbetry
fi
exec tests/e2e/desktop_session.sh "$0" --inside-session "$game" "$runs"
