#!/usr/bin/env bash
# A game flown by the autopilot from the command line: one player from wave 1 for at most
# 40000 fixed frames, nothing drawn. Each wave start logs the game's digest; a second run with
# the same seed logs the same ones. An invulnerable fighter gets past the first system; a
# mortal one loses the game before the frames run out, and the program ends with it. Two
# players from wave 1 come through the first system's star map and interlude, both joining
# there, into wave 1, the same way twice.
# Usage: play.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

# The digests of a run, then the number of frames it rendered.
run() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play "$@" --autopilot --frames 40000 \
        || fail "the program did not exit with status 0 ($*)"
    grep -o "Game digest at .*" "$log"
    grep -o "Rendered [0-9]* frames" "$log" | grep -o "[0-9]*"
}
first=$(run 1:1 --invulnerable)
waves=$(grep -c "at wave" <<<"$first")
[ "$waves" -ge 10 ] || fail "only $waves waves started: $first"
[ "$(run 1:1 --invulnerable)" = "$first" ] || fail "the second run's digests differ"
frames=$(run 1:1 | tail -1)
[ "$frames" -lt 40000 ] || fail "a mortal fighter was still playing after 40000 frames"

# What two players see up to wave 1, then the digest there.
opening() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play 1:2 --autopilot --invulnerable --frames 1500 \
        || fail "the program did not exit with status 0 (two players)"
    grep -o "star map to system 0\|Playing CutsceneBurgerJoint\|Game digest at wave 1:.*" "$log"
}
opening=$(opening)
[ "$(grep -o "^[a-zA-Z ]*" <<<"$opening" | tr '\n' ,)" = \
    "star map to system ,Playing CutsceneBurgerJoint,Game digest at wave ," ] ||
    fail "wave 1 did not follow the star map and the interlude: $opening"
[ "$(opening)" = "$opening" ] || fail "the second two-player run reached wave 1 otherwise"
echo "PASSED: $waves waves, the same digests twice; a mortal game over after $frames frames; two players through the opening"
