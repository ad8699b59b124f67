#!/bin/bash
# Builds the Debian package and has lintian judge it: no error, no warning. Then, as root, it
# unpacks the package into a folder of root's and starts the unpacked game as an ordinary
# player, who cannot write there: the player's first run writes the 35 words into their own data
# folder, and the unpacked folder stays exactly as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "FAIL $*"; exit 1; }
deb=$(tools/package | tail -n 1)
lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings in $deb"
echo "ok   $deb built; lintian reports no error and no warning"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP the unpacked game as a player: only root can make a folder of root's and start"
    echo "     the game as another user"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
dpkg-deb -x "$deb" "$work/root"
home=$work/home
mkdir "$home"
chown nobody:nogroup "$home"
listing() { (cd "$work/root" && find . -printf '%p %m %U:%G %s %T@\n' | sort); }
before=$(listing)
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$work/root/usr/games/gibbetry" \
    2>/dev/null || [ $? -eq 124 ]
[ "$(listing)" = "$before" ] || fail "the player's run changed the unpacked folder"
list=$home/.local/share/gibbetry/Settings
[ "$(stat -c %s "$list" 2>/dev/null)" = 295 ] || fail "no 35 words in $list"
[ "$(stat -c '%a %U' "$(dirname "$list")")" = "700 nobody" ] ||
    fail "the player's word list folder is not theirs alone"
echo "ok   the unpacked game, started by a player, wrote their 35 words to $list"
