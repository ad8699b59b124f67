#!/bin/bash
# Usage: install_check.sh BUILD_DIR
# Installs the game into a fresh folder, validates its desktop entry and AppStream file, and
# starts the installed game once to see that it keeps its word list in its own folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
game_dir="$prefix/lib/gibbetry"
for file in "$game_dir/gibbetry" "$game_dir/libgibbetry_sound.so" "$game_dir/win.wav" "$game_dir/lose.wav" "$prefix/bin/gibbetry" \
            "$prefix/share/icons/hicolor/32x32/apps/example.gibbetry.Gibbetry.png"; do
    [ -e "$file" ] || { echo "FAIL not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/example.gibbetry.Gibbetry.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/example.gibbetry.Gibbetry.metainfo.xml"
grep -qx "Exec=$game_dir/gibbetry" "$prefix/share/applications/example.gibbetry.Gibbetry.desktop"

# Started through bin/, the game still finds its folder and writes the first run's word list there.
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/gibbetry" 2>/dev/null || [ $? -eq 124 ]
size=$(stat -c %s "$game_dir/Settings")
[ "$size" -eq 295 ] || { echo "FAIL first run wrote $size bytes"; exit 1; }
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
[ "$size" = 295 ] || { echo "FAIL from a folder named g\\xffx the first run wrote $size bytes there"; exit 1; }
echo "ok   from a folder whose name is not text, the first run wrote its Settings there"
