#!/usr/bin/env bash
# A game flown by the autopilot from the command line: two players from wave 1 for 3000 fixed
# frames, nothing drawn. Each wave start logs the game's digest; a second run with the same
# seed logs the same ones. Usage: play.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

digests() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play 1:2 --autopilot --invulnerable --frames 3000 \
        || fail "the program did not exit with status 0"
    grep -o "Game digest at .*" "$log"
}
first=$(digests)
[ "$(grep -c "at wave" <<<"$first")" -ge 20 ] || fail "fewer than 20 waves started: $first"
[ "$(digests)" = "$first" ] || fail "the second run's digests differ"
echo "PASSED: $(grep -c "at wave" <<<"$first") waves, the same digests twice"
