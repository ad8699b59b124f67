#!/bin/bash
# Usage: as_player.sh PROGRAM [ARG...]
# Runs a Qt test program as a player runs the game: as the unprivileged user nobody, in a home,
# temporary and runtime folder of that user's own. Only root can start it so: for anyone else the
# entry is skipped, as its program already ran as a player. Run as root, it fails when the player
# cannot reach the program, and when a row meant for a player skipped: the player still had
# root's power over files.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: not root, so $(basename "$1") already ran as a player"
    exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
chown -R nobody:nogroup "$home"
player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if ! "${player[@]}" test -x "$1"; then
    echo "FAIL: $1 lies where the user nobody cannot reach it; build where nobody can (not under a 0700 home)"
    exit 1
fi
status=0
HOME=$home TMPDIR=$home XDG_RUNTIME_DIR=$home/runtime "${player[@]}" "$@" | tee "$home/output" ||
    status=$?
if grep '^SKIP.*runs as root' "$home/output"; then
    echo "FAIL: rows meant for a player skipped in the player's run"
    exit 1
fi
exit "$status"
