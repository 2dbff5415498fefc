#!/usr/bin/env bash
# The real window on a virtual X display: it opens centred and the engine starts, a second
# copy exits at once, and closing the window (xdotool) shuts the engine down cleanly.
# Usage: window.sh PROGRAM. Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

[ "${1:-}" != "--inside" ] && runOnVirtualDisplay "$(realpath "$1")"

program=$2
useScratchHome
unset SDL_VIDEODRIVER
suppressLibraryLeaks

"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -eq 320 ] && [ "$Y" -eq 272 ] || fail "the window is at ($X, $Y), not centred on the 1280x1024 display"

start=$(date +%s%N)
timeout 10 "$program" >/dev/null 2>&1
second=$?
elapsedMs=$((($(date +%s%N) - start) / 1000000))
[ "$second" -eq 0 ] || fail "the second copy exited with $second"
[ "$elapsedMs" -lt 3000 ] || fail "the second copy took ${elapsedMs} ms to exit"
kill -0 "$pid" 2>/dev/null || fail "the first copy died when the second started"

closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status after its window was closed"
grep -q "VEK shutting down..." "$log" || fail "no shut-down in the log"
grep -q "0 objects still alive." "$log" || fail "objects were still alive at shut-down"
echo "window opened, second copy exited in ${elapsedMs} ms, closed cleanly"
