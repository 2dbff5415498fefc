#!/usr/bin/env bash
# A game flown by the autopilot from the command line: one player from wave 1 for at most
# 40000 fixed frames, nothing drawn. Each wave start logs the game's digest; a second run with
# the same seed logs the same ones. An invulnerable fighter gets past the first system; a
# mortal one loses the game before the frames run out, and the program ends with it.
# Usage: play.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

# The digests of a run, then the number of frames it rendered.
run() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play 1:1 --autopilot "$@" --frames 40000 \
        || fail "the program did not exit with status 0 ($*)"
    grep -o "Game digest at .*" "$log"
    grep -o "Rendered [0-9]* frames" "$log" | grep -o "[0-9]*"
}
first=$(run --invulnerable)
waves=$(grep -c "at wave" <<<"$first")
[ "$waves" -ge 10 ] || fail "only $waves waves started: $first"
[ "$(run --invulnerable)" = "$first" ] || fail "the second run's digests differ"
frames=$(run | tail -1)
[ "$frames" -lt 40000 ] || fail "a mortal fighter was still playing after 40000 frames"
echo "PASSED: $waves waves, the same digests twice; a mortal game over after $frames frames"
