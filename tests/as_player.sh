#!/bin/bash
# Usage: as_player.sh PROGRAM [ARG...]
# Runs a test program as a player runs the game: as root, it runs as the unprivileged user
# nobody, in a home, temporary and runtime folder of that user's own; otherwise as it is.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec "$@"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
chown -R nobody:nogroup "$home"
player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if ! "${player[@]}" test -x "$1"; then
    echo "SKIP: $1 lies where the user nobody cannot reach it"
    exit 77
fi
HOME=$home TMPDIR=$home XDG_RUNTIME_DIR=$home/runtime "${player[@]}" "$@"
