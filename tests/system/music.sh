#!/usr/bin/env bash
# A headless start plays the menu music: SDL's disk driver writes what the program mixes to a
# file, which must hold sound, not silence. Usage: music.sh PROGRAM.
set -uo pipefail

program=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$scratch/mix.raw" SDL_DISKAUDIODELAY=1
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"

if ! "$program" --frames 120 >/dev/null; then
    echo "FAILED: the program did not exit with status 0"
    exit 1
fi
# The output is 32-bit float stereo; count the samples louder than -40 dB.
loud=$(od -An -v -f -w4 "$scratch/mix.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > 0.01) n++ } END { print n + 0 }')
if [ "$loud" -lt 10000 ]; then
    echo "FAILED: only $loud audible samples in $(stat -c %s "$scratch/mix.raw") bytes of output"
    exit 1
fi
echo "PASSED: $loud audible samples"
