#!/bin/bash
# Usage: bench/sound_wait.sh [RUNS] [GAME_EXECUTABLE]
# How long the board stays frozen after the player answers the message at the end of a game:
# from pressing OK to the board's reset, for "win.wav" and "lose.wav", on the first sound of a
# run (the sound module loads then) and on a later one. The game runs in the end-to-end tests'
# private desktop session, with a PulseAudio null sink so that the sounds really play. Prints one
# Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --inside-session ]; then # the game brings its own sound server
    shift
    exec /usr/bin/python3 -B bench/sound_wait.py "$@"
fi
runs=${1:-5}
tools/needs xvfb xdotool dbus at-spi2-core python3-gi gir1.2-atspi-2.0 pulseaudio >&2
game=${2:-}
if [ -z "$game" ]; then
    tools/build build-release --game-only -DCMAKE_BUILD_TYPE=Release >&2
    game=build-release/gibbetry
fi
exec tests/e2e/desktop_session.sh "$0" --inside-session "$game" "$runs"
