#!/usr/bin/env bash
# Games flown by the autopilot from the command line, nothing drawn. Two invulnerable players
# from wave 1 play the whole game: each system opens with its star map and interlude (both
# joining in the first), every wave start logs the game's digest, each system's end saves the
# game, the last one completes it, and the program ends with the game's end; a second run with
# the same seed logs the same. A mortal fighter loses its game well before 40000 frames.
# Usage: play.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

# The digests, star maps and interludes of a whole game, in the order logged.
wholeGame() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play 1:2 --autopilot --invulnerable \
        || fail "the program did not exit with status 0 (the whole game)"
    for line in "Saving game type 1 (wave=110)." "The game is complete after wave 110."; do
        grep -qF "$line" "$log" || fail "the log lacks \"$line\""
    done
    grep -o "star map to system [0-9]*\|Playing Cutscene[A-Za-z0-9]*\|Game digest at .*" "$log"
}
first=$(wholeGame) || { echo "$first"; exit 1; }
second=$(wholeGame) || { echo "$second"; exit 1; }
waves=$(grep -c "at wave" <<<"$first")
interludes=$(grep -c "^Playing" <<<"$first")
maps=$(grep "^star map" <<<"$first" | grep -o "[0-9]*$" | tr '\n' ' ')
if [ "$waves" -ne 110 ] || [ "$interludes" -ne 11 ] || [ "$maps" != "0 1 2 3 4 5 6 7 8 9 10 " ]; then
    echo "FAILED: $waves waves, $interludes interludes and the star maps to systems $maps: $first"
    exit 1
fi
if [ "$second" != "$first" ]; then
    echo "FAILED: the second whole game differs: $(diff <(echo "$first") <(echo "$second"))"
    exit 1
fi

mortalFrames() {
    useScratchHome
    "$program" --fixed-step --no-draw --seed 7 --play 1:1 --autopilot --frames 40000 \
        || fail "the program did not exit with status 0 (a mortal game)"
    grep -o "Rendered [0-9]* frames" "$log" | grep -o "[0-9]*"
}
frames=$(mortalFrames) || { echo "$frames"; exit 1; }
[ "$frames" -lt 40000 ] || { echo "FAILED: a mortal fighter was still playing after 40000 frames"; exit 1; }
echo "PASSED: 110 waves and 11 interludes to the completion, the same twice; a mortal game over after $frames frames"
