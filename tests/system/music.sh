#!/usr/bin/env bash
# A headless start plays the menu music: SDL's disk driver writes what the program mixes to a
# file, which must hold sound, not silence. Usage: music.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
useScratchHome
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=disk
# At the pace of a real device (the driver's default): a faster one takes the CPU from the frames.
export SDL_DISKAUDIOFILE="$scratch/mix.raw"
suppressLibraryLeaks

"$program" --frames 120 >/dev/null || fail "the program did not exit with status 0"
# The output is 32-bit float stereo; count the samples louder than -40 dB.
loud=$(od -An -v -f -w4 "$scratch/mix.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > 0.01) n++ } END { print n + 0 }')
[ "$loud" -ge 10000 ] || fail "only $loud audible samples in $(stat -c %s "$scratch/mix.raw") bytes of output"
echo "PASSED: $loud audible samples"
