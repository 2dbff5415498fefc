#!/usr/bin/env bash
# Peak resident memory of the whole program idling at the menus: FRAMES frames (default 300,
# ten seconds at 30 per second) on a virtual X display of 1280 by 1024, or with --offscreen
# on SDL's offscreen driver, each in a fresh user-data folder. A measurement for the notes,
# not a test: it passes or fails nothing.
# Usage: bench/menu-memory.sh PROGRAM [FRAMES] [--offscreen]
set -euo pipefail
program=$(realpath "$1")
frames=${2:-300}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch" SDL_AUDIODRIVER=dummy
# A 640 by 480 window, as every run measured before: a fresh install would open the display
# full screen, at the size of the display.
mkdir -p "$scratch/ZV2rmBrumedemo/3.07"
printf '[VekGraphics]\nbFullScreen=0\n' >"$scratch/ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.ini"

if [ "${3:-}" = "--offscreen" ]; then
    display="offscreen"
    SDL_VIDEODRIVER=offscreen /usr/bin/time -v "$program" --frames "$frames" 2>"$scratch/time"
else
    display="Xvfb"
    unset SDL_VIDEODRIVER
    xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/time -v "$program" --frames "$frames" 2>"$scratch/time"
fi
kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time")
awk -v kib="$kib" -v frames="$frames" -v display="$display" 'BEGIN {
    printf "peak RSS at the menus, %d frames on %s: %.1f MiB (%d KiB)\n", frames, display, kib / 1024, kib
}'
