#!/usr/bin/env bash
# Double clicks with the real mouse in a 640 by 480 window, each on a button that opens or
# closes a screen, where the screen that comes on top has a button at the same place: the
# second click must not press it. "Options..." over the hub's language button, the hub's Back
# and the high scores' OK over the main menu's Quit. Then a pointer moved and clicked in one
# command, as tablets and remote desktops send it, from Quit onto "Options..." and on to the
# hub's Back: each click acts where the pointer went, not where it was. A single click on Quit
# then ends the program. Usage: doubleclick.sh PROGRAM [FOLDER] (screenshots copied there).
# Exits 77 without xvfb-run or xdotool.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
# Window pixels: (320, 390) is the main menu's "Options..." and the hub's language button;
# (95, 440) the main menu's Quit, the hub's Back and the high scores' OK.

# Two clicks as a double click at window pixels $1 $2, then frames for the screens to settle.
doubleClick() {
    pointAt "$1" "$2"
    xdotool click --repeat 2 --delay 150 1
    letFramesPass "$(framesToAct click)" "the double click"
}

# The program still runs and has not restarted into the language selection.
stillInMenus() {
    kill -0 "$pid" 2>/dev/null || fail "$1 ended the program"
    grep -q "Multilanguage mode (-1)." "$log" && fail "$1 restarted into the language selection"
    return 0
}

startWithName Una
screenshot main-menu

doubleClick 320 390
stillInMenus "a double click on Options..."
screenshot options
doubleClick 95 440
stillInMenus "a double click on the options' Back"
screenshot main-menu-again

# The high scores: their button is one row above the options'.
clickAt 320 340
screenshot high-scores
doubleClick 95 440
stillInMenus "a double click on the high scores' OK"
screenshot main-menu-last

# Moved and clicked at once, twice: Options opens and its Back leads to the main menu again.
xdotool mousemove --window "$window" 320 390 click 1
letFramesPass "$(framesToAct click)" "the click moved onto Options..."
stillInMenus "a click moved from Quit onto Options..."
screenshot options-moved-onto
xdotool mousemove --window "$window" 95 440 click 1
letFramesPass "$(framesToAct click)" "the click moved onto Back"
stillInMenus "a click moved from the language button onto Back"
waitForMainMenu 5
screenshot main-menu-moved-onto

pointAt 95 440
xdotool click 1
waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "a single click on Quit did not end the program"
wait "$pid" || fail "the program exited with $?"
pid=""
echo "PASSED"
