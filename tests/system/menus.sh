#!/usr/bin/env bash
# Key presses in a real window on a fresh user-data folder: a name typed at the first start,
# the high scores opened and closed, the quit button; a second start reads the user data back.
# Usage: menus.sh PROGRAM [FOLDER] (screenshots copied there). Exits 77 without xvfb-run or xdotool.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
xdotool windowfocus --sync "$window" 2>/dev/null
waitForMainMenu 1
screenshot name-entry
xdotool type --window "$window" --delay 100 "Kira"
screenshot name-typed
press Return
waitFor 50 grep -q "Changing profile to 'Kira'" "$log" || fail "the typed name did not become a profile"
waitForMainMenu 2
screenshot main-menu
# Key navigation from the middle of the screen: the start button, then the high scores.
xdotool mousemove --window "$window" 320 240
sleep 0.5 # keys in the two frames after the mouse took over navigation are ignored
press Down Down Return
sleep 0.5
screenshot high-scores
press Escape
waitForMainMenu 3
# From the high-score button down to the credits, then left to the quit button.
press Down Down Left Return
waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "the quit button did not end the program"
wait "$pid" || fail "the program exited with $?"
pid=""

mv "$log" "$scratch/first.log"
SDL_VIDEODRIVER=offscreen "$program" --frames 30 2>"$scratch/stderr" || fail "the second start failed"
grep -q "Changing profile to 'Kira'" "$log" || fail "the second start did not read the profile back"
grep -q "Kept the unreadable" "$log" && fail "the second start could not read the saved user data"
echo "PASSED"
