#!/usr/bin/env bash
# F9 in the real window on a virtual X display saves a screenshot: a JPEG of the 640 by 480
# field in the user-data folder. Usage: screenshot.sh PROGRAM [COPY]; with COPY the picture is
# also copied there (to look at it). Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

[ "${1:-}" != "--inside" ] && runOnVirtualDisplay "$(realpath "$1")" "${2:-}"

program=$2
copy=$3
useScratchHome
unset SDL_VIDEODRIVER
suppressLibraryLeaks
picture="$folder/ZV2rmBrumedemo-0001.jpg"

"$program" &
pid=$!
waitForGameLoop
sleep 1  # a few frames drawn
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" F9
waitFor 50 test -s "$picture" || fail "F9 saved no screenshot"
grep -q "Screenshot saved to" "$log" || fail "the screenshot is not in the log"
[ "$(head -c 3 "$picture" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail "the screenshot is not a JPEG"
[ -n "$copy" ] && cp "$picture" "$copy"
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "F9 saved $(stat -c %s "$picture" 2>/dev/null || echo a) byte screenshot"
