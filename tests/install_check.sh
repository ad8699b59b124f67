#!/bin/bash
# Usage: install_check.sh BUILD_DIR
# Installs the game into a fresh folder, validates its desktop entry, icons and AppStream file,
# starts the installed game once to see that it keeps its word list in its own folder, and
# removes it again through the install manifest, which must leave only that word list.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
game_dir="$prefix/lib/gibbetry"
for file in "$game_dir/gibbetry" "$game_dir/libgibbetry_sound.so" "$game_dir/win.wav" \
            "$game_dir/lose.wav" "$game_dir/hit.wav" "$game_dir/miss.wav" "$prefix/bin/gibbetry"; do
    [ -e "$file" ] || fail "not installed: $file"
done
for size in 32 48 64 128 256; do # a sharp icon wherever the desktop draws one
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/example.gibbetry.Gibbetry.png
    [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')" = "$size $size" ] ||
        fail "no ${size}x$size icon"
done
desktop-file-validate "$prefix/share/applications/example.gibbetry.Gibbetry.desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/example.gibbetry.Gibbetry.metainfo.xml"
grep -qx "Exec=$game_dir/gibbetry" "$prefix/share/applications/example.gibbetry.Gibbetry.desktop"

# Started through bin/, the game still finds its folder and writes the first run's word list there.
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/gibbetry" 2>/dev/null || [ $? -eq 124 ]
size=$(stat -c %s "$game_dir/Settings")
[ "$size" -eq 295 ] || fail "first run wrote $size bytes"
echo "ok   installed, validated, and the first run wrote $game_dir/Settings"

# Copied into a folder whose name is not text, the game still keeps its list in its own folder.
# Run as root, it plays as the user nobody, who could not write a stray /Settings.
odd="$prefix/g"$'\xff'"x"
cp -r "$game_dir" "$odd"
rm "$odd/Settings"
player=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$prefix"
    chown -R nobody:nogroup "$odd"
    player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
HOME=$odd QT_QPA_PLATFORM=offscreen timeout 3 "${player[@]}" "$odd/gibbetry" 2>/dev/null ||
    [ $? -eq 124 ]
size=$(stat -c %s "$odd/Settings" 2>/dev/null || echo none)
[ "$size" = 295 ] || fail "from a folder named g\\xffx the first run wrote $size bytes there"
echo "ok   from a folder whose name is not text, the first run wrote its Settings there"
rm -rf "$odd"

# The README's uninstall: everything installed goes, the player's word list stays.
xargs -d '\n' rm -f < "$build/install_manifest.txt"
left=$(find "$prefix" \( -type f -o -type l \) -printf '%P\n')
[ "$left" = lib/gibbetry/Settings ] || fail "uninstalling left: $left"
echo "ok   uninstalled from the manifest, keeping lib/gibbetry/Settings"
