#!/bin/bash
# Usage: bench/screen_reader.sh [GAME_EXECUTABLE]
# Plays "Internet" by keys alone under Orca, as a blind player does, in a private desktop session
# (Xvfb, its own session and accessibility buses) with speech going through speech-dispatcher and
# espeak-ng into a PulseAudio null sink, recorded, and the game's sounds into another. Prints what
# Orca said after each key and, for each guess, the seconds from Enter to the answer's first word
# and to the end of "misses left". Not part of tools/test.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --inside-session ]; then
    shift
    work=$(mktemp -d)
    trap 'kill $pulse 2>/dev/null; rm -rf "$work"' EXIT
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_SERVER="unix:$work/pulse" \
        PULSE_RUNTIME_PATH="$work/pulse-runtime" PULSE_STATE_PATH="$work/pulse-state"
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=speech" -L "module-null-sink sink_name=game" \
        -L "module-native-protocol-unix socket=$work/pulse auth-anonymous=1" 2>/dev/null &
    pulse=$!
    for _ in $(seq 50); do [ -S "$work/pulse" ] && break; sleep 0.1; done
    /usr/bin/python3 -B bench/screen_reader.py "$1" "$work"
    exit
fi
tools/needs xvfb xdotool dbus at-spi2-core orca speech-dispatcher-espeak-ng espeak-ng \
    pulseaudio pulseaudio-utils openbox >&2
game=${1:-}
if [ -z "$game" ]; then
    tools/build build-release --game-only -DCMAKE_BUILD_TYPE=Release >&2
    game=build-release/gibbetry
fi
exec tests/e2e/desktop_session.sh "$0" --inside-session "$(realpath "$game")"
