#!/usr/bin/env bash
# A headless start: every loader step runs on the shipped archives, the start-up screens
# open, and after 400 frames the program ends cleanly with no object left alive.
# Usage: startup.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

program=$(realpath "$1")
useScratchHome
export SDL_VIDEODRIVER=offscreen
suppressLibraryLeaks

"$program" --frames 400 || fail "the program did not exit with status 0"
for line in "Global::initPostLoader(): Global initialization complete at t=" "Rendered 400 frames" \
    "0 objects still alive."; do
    grep -qF "$line" "$log" || fail "the log lacks '$line'"
done
for file in ZV2rmBrumedemo.hst ZV2rmBrumedemo.pro; do
    [ -s "$folder/$file" ] || fail "$file was not saved at shut-down"
done
echo "PASSED"
