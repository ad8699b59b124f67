#!/bin/bash
# Usage: desktop_session.sh COMMAND [ARG...]
# Runs COMMAND in a private desktop session of its own: an X screen (Xvfb), a session bus and an
# accessibility bus, so that it can start the real game, look at it as a screen reader does and
# press its buttons. No sound server is offered: a test that wants one starts its own.
set -euo pipefail
work=$(mktemp -d)
trap 'stop_private_display; rm -rf "$work"' EXIT
source "$(dirname "$0")/../../tools/private_display.sh"
start_private_display "$work"

# The accessibility bus starts on demand; the command runs once it answers.
dbus-run-session -- bash -c '
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    "$@"' session "$@"
