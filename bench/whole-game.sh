#!/usr/bin/env bash
# A whole game from wave 1 to the game's end, both players invulnerable on the autopilot,
# fixed-step and nothing drawn, in a fresh user-data folder: the wall time, the game's own
# clock against it and the peak resident memory, against their targets (at least 500 times
# real time, at most 150 MiB). Loading the archives counts in the wall time. Fails only
# when the game does not reach its end.
# Usage: bench/whole-game.sh PROGRAM [SEED]
set -euo pipefail
program=$(realpath "$1")
seed=${2:-7}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch" SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=offscreen
# A window, as every run measured before: a fresh install would open the display full screen.
mkdir -p "$scratch/ZV2rmBrumedemo/3.07"
printf '[VekGraphics]\nbFullScreen=0\n' >"$scratch/ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.ini"

start=$(date +%s.%N)
/usr/bin/time -v "$program" --fixed-step --no-draw --seed "$seed" --play 1:2 --autopilot --invulnerable \
    2>"$scratch/time" >/dev/null
end=$(date +%s.%N)
log=$(find "$scratch" -name '*.log' | head -1)
grep -q "The game is complete after wave 110." "$log" || { echo "the game did not reach its completion"; exit 1; }
kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time")
gameSeconds=$(sed -n 's/.*Rendered [0-9]* frames in \([0-9.]*\) sec.*/\1/p' "$log")
awk -v start="$start" -v end="$end" -v game="$gameSeconds" -v kib="$kib" 'BEGIN {
    wall = end - start; ratio = game / wall; mib = kib / 1024
    printf "whole game: %.2f s wall, %.0f s game clock, %.0fx real time (target >= 500x)\n", wall, game, ratio
    printf "peak RSS: %.1f MiB (target <= 150 MiB)\n", mib
    printf "targets %s\n", (ratio >= 500 && mib <= 150) ? "met" : "MISSED"
}'
