#!/bin/bash
# Usage: run_check.sh GAME_EXECUTABLE
# Starts the game on a private X screen with its own session bus and accessibility bus, and reads
# its accessibility tree as a screen reader would (check_tree.py).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT

cp "$game" "$work/"
printf 'Wax\r\nCorn\r\nTree\r\nWash\r\nRich\r\n' > "$work/Settings"

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

export GAME="$work/$(basename "$game")" HERE="$here"
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 0.5
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$GAME" 2>/dev/null &
    game=$!
    /usr/bin/python3 "$HERE/check_tree.py"
    status=$?
    kill $game 2>/dev/null
    exit $status'
