#!/bin/bash
# Usage: desktop_session.sh COMMAND [ARG...]
# Runs COMMAND in a private desktop session of its own: an X screen (Xvfb), a session bus and an
# accessibility bus, so that it can start the real game, look at it as a screen reader does and
# press its buttons. No sound server is offered: games here have no audio output.
set -euo pipefail
work=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# No sound server, and none started on demand.
printf 'autospawn = no\n' > "$work/pulse-client.conf"
export PULSE_CLIENTCONFIG="$work/pulse-client.conf" PULSE_SERVER="unix:$work/no-sound-server"

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    sleep 0.5
    "$@"' session "$@"
