#!/usr/bin/env bash
# A rate in the engine settings that no audio output plays falls back to the default (logged)
# instead of keeping the program from ending. Usage: audiorate.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
useScratchHome
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

# A stuck audio thread ignores SIGTERM, so the bound ends it with SIGKILL.
readonly BOUND_SECONDS=60

# Runs the program for a few frames with the engine settings as they are; fails unless it
# ends with status 0 within the bound.
startBriefly() {
    rm -f "$log"
    timeout -s KILL "$BOUND_SECONDS" "$program" --frames 30 >/dev/null 2>"$scratch/stderr"
    local status=$?
    [ $status -eq 137 ] && fail "$1: the program had not ended after $BOUND_SECONDS s"
    [ $status -eq 0 ] || fail "$1: the program ended with status $status"
}

useRate() { printf '[VekGraphics]\nbFullScreen=0\n[VekAudio]\nfrequency=%s\n' "$1" >"$settings"; }

for rate in -44100 1; do
    useRate "$rate"
    startBriefly "frequency=$rate"
    grep -qF "Setting VekAudio/frequency '$rate' lies outside 11025 to 48000; using 44100." "$log" ||
        fail "frequency=$rate: no fallback to the default in the log"
    grep -qx ".*VekAudio::open(): Audio output at 44100 Hz\." "$log" || fail "frequency=$rate: no output at 44100 Hz"
done

echo "PASSED"
