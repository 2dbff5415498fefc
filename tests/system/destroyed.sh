#!/usr/bin/env bash
# A full-screen window that another client destroys (XDestroyWindow, as xdotool's windowclose
# does, with no window manager to ask), after it was unmapped, unmapped and mapped again, or
# straight away: each time the program saves and ends with status 0 within a few seconds.
# Usage: destroyed.sh PROGRAM. Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"

# Name, then the xdotool window commands before the destruction.
CASES=(
    "unmapped:windowunmap"
    "mapped again:windowunmap windowmap"
    "shown:"
)

for entry in "${CASES[@]}"; do
    name=${entry%%:*}
    rm -f "$log" "$folder"/ZV2rmBrumedemo.{hst,pro}
    printf '[VekGraphics]\nbFullScreen=1\n' >"$settings"
    "$program" 2>"$scratch/stderr" &
    pid=$!
    waitForGameLoop
    waitFor 100 grep -q "Global initialization complete" "$log" || fail "$name: the start did not load"
    for command in ${entry#*:}; do
        xdotool "$command" "$window"
        sleep 0.5
    done
    xdotool windowclose "$window"
    waitForExit "$name: the program did not end after its window was destroyed"
    [ "$status" -eq 0 ] || fail "$name: the program exited with $status"
    expectSaved "$name"
    grep -q "^bFullScreen=1$" "$settings" || fail "$name: the settings lost the full-screen choice"
done
echo "PASSED"
