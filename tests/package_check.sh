#!/bin/bash
# Builds the Debian source and binary packages and has lintian judge them: no error, no warning.
# The package ships the administrator's starting list as a configuration file, which the
# program's folder links to. Then, as root, it unpacks the package into a folder of root's and
# runs the package's own test (debian/tests/first-start) on it: a player's first start writes
# their 35 words into their own data folder, and nothing under usr/ or etc/ changes.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "FAIL $*"; exit 1; }
deb=$(tools/package | tail -n 1)
changes=$(dirname "$deb")/$(basename "$deb" .deb).changes
lintian --fail-on error,warning "$changes" || fail "lintian found errors or warnings in $changes"
echo "ok   $changes built; lintian reports no error and no warning"
dpkg-deb --ctrl-tarfile "$deb" | tar -xOf - ./conffiles |
    grep -x /etc/gibbetry/Settings >/dev/null || fail "/etc/gibbetry/Settings is not a configuration file"
dpkg-deb -c "$deb" | grep ' \./usr/lib/gibbetry/Settings -> /etc/gibbetry/Settings$' >/dev/null ||
    fail "the program's folder does not link to /etc/gibbetry/Settings"
echo "ok   the starting list is a configuration file, and the program's folder links to it"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP the unpacked game as a player: only root can make a folder of root's and start"
    echo "     the game as another user"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
dpkg-deb -x "$deb" "$work/root"
debian/tests/first-start "$work/root"
