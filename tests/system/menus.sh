#!/usr/bin/env bash
# Key presses in a real window on a fresh user-data folder: a name typed at the first start, a
# new game from the main menu, joined by fire in its opening, played a few seconds, paused with
# Escape and quit to the menu; then the high scores, and the quit button. A second start reads
# the user data back. Usage: menus.sh PROGRAM [FOLDER] (screenshots copied there). Exits 77
# without xvfb-run or xdotool.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
xdotool windowfocus --sync "$window" 2>/dev/null
screenshot loading # F9 works before any screen exists
waitForMainMenu 1
screenshot name-entry
xdotool type --window "$window" --delay 100 "Kira"
screenshot name-typed
press Return
waitFor 50 grep -q "Changing profile to 'Kira'" "$log" || fail "the typed name did not become a profile"
waitForMainMenu 2
screenshot main-menu

startNewGame
press space # player 1's fire joins
waitFor 150 grep -q "Game digest at wave 1:" "$log" || fail "the first wave did not start after the join"
pressInTurn Left Left space space Right space
screenshot playing

# Escape pauses with "Resume game" focused; down to "Quit game", then "Yes".
pressInTurn Escape
screenshot pause
pressInTurn Down Return
screenshot quit-question
pressInTurn Return
waitForMainMenu 3
screenshot main-menu-after-game

# The start button has the focus again: down to the high scores.
pressInTurn Down Return
screenshot high-scores
pressInTurn Escape
waitForMainMenu 4
# From the high-score button down to the credits, then left to the quit button.
pressInTurn Down Down Left
press Return
waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "the quit button did not end the program"
wait "$pid" || fail "the program exited with $?"
pid=""

mv "$log" "$scratch/first.log"
SDL_VIDEODRIVER=offscreen "$program" --frames 30 2>"$scratch/stderr" || fail "the second start failed"
grep -q "Changing profile to 'Kira'" "$log" || fail "the second start did not read the profile back"
grep -q "Kept the unreadable" "$log" && fail "the second start could not read the saved user data"
echo "PASSED"
