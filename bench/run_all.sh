#!/bin/bash
# Usage: bench/run_all.sh [RUNS] [IDLE_SECONDS]
# Builds a Release tree and measures, on a private X server: start-up to the window shown and
# peak resident memory (the game with 35 and with 32,766 words, with a 64 GiB sparse list it
# refuses to read, and the floor program, side by side, medians of RUNS runs, default 11); the word list's load and save, a deal and a letter
# press; and the CPU time the game uses while idle in a game for IDLE_SECONDS (default 60).
# Prints one Markdown report.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
idle_seconds=${2:-60}
tools/needs xvfb xdotool libxcb1-dev >&2
tools/build build-release -DCMAKE_BUILD_TYPE=Release >&2
bin=build-release/bench

work=$(mktemp -d)
trap 'kill ${game:-} 2>/dev/null; stop_private_display; rm -rf "$work"' EXIT
source tools/private_display.sh
start_private_display "$work"

# Three game folders: the 35 default words, the longest list a save can write, and a list far
# larger than any the editor could hold, which is never read whole.
for words in 35 32766 64g; do
    mkdir "$work/game$words"
    cp build-release/gibbetry build-release/libgibbetry_sound.so build-release/win.wav \
        build-release/lose.wav "$work/game$words/"
done
"$work/game35/gibbetry" 2>/dev/null & first=$!  # a first run writes the defaults
sleep 1; kill $first; wait $first 2>/dev/null || true
for ((i = 1; i <= 32766; i++)); do printf 'Word%d\r\n' "$i"; done > "$work/game32766/Settings"
truncate -s 64G "$work/game64g/Settings"

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

declare -A ms kib
for ((run = 1; run <= runs; run++)); do
    for program in floor game35 game32766 game64g; do
        if [ $program = floor ]; then cmd=("$bin/floor_window"); else cmd=("$work/$program/gibbetry"); fi
        read -r t m < <("$bin/startup_probe" 1000 "${cmd[@]}" 2>/dev/null)
        ms[$program]+="$t"$'\n'
        kib[$program]+="$m"$'\n'
    done
done

row() {
    local name=$1 program=$2 t m
    t=$(printf '%s' "${ms[$program]}" | median)
    m=$(printf '%s' "${kib[$program]}" | median)
    local floor_t floor_m
    floor_t=$(printf '%s' "${ms[floor]}" | median)
    floor_m=$(printf '%s' "${kib[floor]}" | median)
    awk -v n="$name" -v t="$t" -v m="$m" -v ft="$floor_t" -v fm="$floor_m" 'BEGIN {
        printf "| %s | %.1f | %.2fx | %.1f | %+.1f |\n", n, t, t / ft, m / 1024, (m - fm) / 1024 }'
}

echo "## Start-up and memory ($runs runs each, medians)"
echo
echo "| program | window shown (ms) | of the floor | peak resident (MiB) | over the floor (MiB) |"
echo "|---|---:|---:|---:|---:|"
row "floor: a bare Qt window of the game's size" floor
row "gibbetry, 35 words" game35
row "gibbetry, 32,766 words" game32766
row "gibbetry, a 64 GiB list (refused)" game64g
echo
echo "## Word list, deal and letter press (15 runs each, medians)"
echo
"$bin/word_list_bench" 15 2>/dev/null
echo

# Idle: a game in progress, nobody playing.
"$work/game35/gibbetry" 2>/dev/null &
game=$!
window=$(xdotool search --sync --pid $game --name '^Gibbetry$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 378))
xdotool mousemove $((X + 424)) $((Y + menu + 200)) click 1  # New Game
sleep 1
ticks() { awk '{print $14 + $15}' /proc/$game/stat; }
before=$(ticks)
sleep "$idle_seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "## Idle"
echo
awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$idle_seconds" 'BEGIN {
    printf "CPU time used by the game over %d idle seconds with a game in progress: %.0f ms (%.3f%% of one core).\n",
        s, (a - b) * 1000 / hz, (a - b) * 100 / hz / s }'
