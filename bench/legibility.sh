#!/bin/bash
# Measures the windows under the settings a player who sees poorly may choose, each on a private
# 1920x1080 X screen: scale factors, larger fonts (through qt6ct), GTK's dark theme, two of
# qt6ct's dark schemes and two high-contrast ones. Prints a Markdown table.
#
#   tools/needs xvfb qt6ct qt6-gtk-platformtheme && bench/legibility.sh [build/bench/legibility_bench]
# shellcheck disable=SC2046 # each setting is VAR=VALUE words, split on purpose
set -eu
bench=$(realpath "${1:-build/bench/legibility_bench}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Two high-contrast colour schemes in qt6ct's form, one colour for each palette role in turn:
# black on white with a black highlight, and white on black with a cyan one.
scheme() {
    printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' \
        "$2" "$2" "$3" >"$work/$1.conf"
}
scheme contrast-white \
    "#000, #fff, #fff, #fff, #000, #808080, #000, #fff, #000, #fff, #fff, #000, #000, #fff, #00f, #800080, #fff, #000, #fff, #000, #808080" \
    "#808080, #fff, #fff, #fff, #000, #808080, #808080, #fff, #808080, #fff, #fff, #000, #000, #fff, #00f, #800080, #fff, #000, #fff, #000, #808080"
scheme contrast-black \
    "#fff, #000, #fff, #000, #fff, #808080, #fff, #000, #fff, #000, #000, #fff, #1aebff, #000, #ff0, #0f0, #000, #fff, #000, #fff, #808080" \
    "#3ff23f, #000, #fff, #000, #fff, #808080, #3ff23f, #000, #3ff23f, #000, #000, #fff, #1aebff, #000, #ff0, #0f0, #000, #fff, #000, #fff, #808080"

# A qt6ct configuration: its font size and colour scheme ("" for the style's own).
qt6ct() {
    local dir=$work/$1
    mkdir -p "$dir/qt6ct"
    {
        echo "[Appearance]"
        [ -n "$3" ] && echo "color_scheme_path=$3" &&
            echo "custom_palette=true"
        echo "style=Fusion"
        echo "[Fonts]"
        echo "general=\"Sans Serif,$2,-1,5,50,0,0,0,0,0\""
        echo "fixed=\"Monospace,$2,-1,5,50,0,0,0,0,0\""
    } >"$dir/qt6ct/qt6ct.conf"
    echo "QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$dir"
}

measure() {
    local name=$1
    shift
    local fd
    fd=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fd" 2>/dev/null &
    local xvfb=$!
    for _ in $(seq 50); do [ -s "$fd" ] && break; sleep 0.1; done
    env DISPLAY=:"$(cat "$fd")" HOME="$work" XDG_RUNTIME_DIR="$work" ASAN_OPTIONS=detect_leaks=0 \
        "$@" "$bench" "$name" 2>/dev/null
    rm -f "$fd"
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
}

echo "| setting | board | editor | word's row | figure | drawing's frame | focus ring | used letter |"
echo "|---|---|---|---|---:|---:|---:|---:|"
measure "scale 1" QT_SCALE_FACTOR=1
measure "scale 1.5" QT_SCALE_FACTOR=1.5
measure "scale 2" QT_SCALE_FACTOR=2
measure "scale 3" QT_SCALE_FACTOR=3
measure "14 pt" $(qt6ct font14 14 "")
measure "18 pt" $(qt6ct font18 18 "")
measure "18 pt, scale 1.5" QT_SCALE_FACTOR=1.5 $(qt6ct font18 18 "")
measure "GTK Adwaita-dark" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
measure "qt6ct darker" $(qt6ct darker 9 /usr/share/qt6ct/colors/darker.conf)
measure "qt6ct dusk" $(qt6ct dusk 9 /usr/share/qt6ct/colors/dusk.conf)
measure "high contrast, white" $(qt6ct white 9 "$work/contrast-white.conf")
measure "high contrast, black" $(qt6ct black 9 "$work/contrast-black.conf")
