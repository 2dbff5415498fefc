#!/usr/bin/env bash
# Real key presses in the real window on a virtual X display, on a fresh user-data folder:
# the options change the language to Japanese (the program starts again with the flags and
# comes back in Japanese), switch to full screen and back, and bind player 1's fire to F, which
# then joins and fires in a new game; the settings files hold the language and the binding. Usage: options.sh PROGRAM
# [FOLDER]; with FOLDER every screen's screenshot is copied there. Exits 77 (skipped) when
# xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
export LC_ALL=C
requireTools python3
KEY_F=33  # the scan code that F binds

# The window's position and size, as "X Y W H ".
windowGeometry() {
    xdotool getwindowgeometry --shell "$window" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ {printf "%s ", $2}'
}

# Holds once the window is $1 ("W H") in size and has not moved since the last look: a window
# that moves under the pointer later would hand the menus to the pointer between two keys.
windowSettlesAt() {
    local now settled
    now=$(windowGeometry)
    [ "$now" = "${lastGeometry:-}" ] && [ "${now#* * }" = "$1 " ]
    settled=$?
    lastGeometry=$now
    return $settled
}

# Waits until the display settings have been applied a $1. time, then until the window is $2
# in size and still (a loaded machine may take its time over either).
waitForDisplay() {
    waitFor 200 bash -c "[ \$(grep -c 'Restarting to apply configuration.' '$log') -ge $1 ]" ||
        fail "the display settings were not applied a ${1}. time"
    waitFor 200 windowSettlesAt "$2" ||
        fail "the window (X Y W H: $(windowGeometry)) is not still at $2 after the ${1}. change of display"
}

# Whether the menus last went over to the pointer rather than to keys.
pointerLeads() { [ "$(grep -o 'navigation mode to [12]' "$log" | tail -n 1)" = "navigation mode to 1" ]; }

# Puts the mouse in the middle of the window (on the graphics screen: the detail choice; on the
# options hub: the graphics button), where keys navigate from after a change of display, once
# the menus follow the pointer.
centrePointer() {
    read -r _ _ width height <<<"$(windowGeometry)"
    pointAt $((width / 2)) $((height / 2))
    pointerLeads || fail "the menus did not follow the pointer"
}

startWithName Ada
screenshot main-menu-english

# Main menu, from the middle: start, high scores, options. The hub focuses its first button;
# the language button is the sixth.
pointAt 320 240
pressInTurn Down Down Down Return
screenshot options-english
pressInTurn Down Down Down Down Down
press Return
waitFor 100 grep -q "Multilanguage mode (-1)." "$log" || fail "the language button did not restart the program"
findWindow || fail "no window after the restart"
sleep 1
screenshot language-selection
# The pointer waits in the lower right corner; up from there is the Japanese flag.
pointAt 600 440
pressInTurn Up
press Return
waitForMainMenu 4 # the restart saved the user data too
screenshot main-menu-japanese
grep -q "Using archive '.*ZV2rmBrumedemo.dat.Japanese'" "$log" || fail "the Japanese fonts were not loaded"

# Options, graphics, advanced: the full-screen switch, then back, which applies it with the
# mode shown.
pressInTurn Down Down Down Return
pressInTurn Down Down Return
# The detail choice takes the focus on its left arrow: right, then down to the advanced button.
pressInTurn Right Down Return
screenshot advanced-graphics
pressInTurn Down Return
press Escape
waitForDisplay 1 "$(xdotool getdisplaygeometry)" # full screen fills the display
screenshot graphics-full-screen
centrePointer
pressInTurn Right Down Return
screenshot advanced-full-screen
# The mode reads the display's size, which leaving applies: first back to 640 x 480 on the
# mode's left arrow, then off full screen.
pressInTurn Return Down Return
press Escape
waitForDisplay 2 "640 480" # the window comes back
centrePointer

# Back to the hub, controls, keyboard, player 1, the fire row: F.
pressInTurn Escape Up Return Down Return Down Return Down Down Down Down
# The capture takes any key it reads, F9 too, until it closes in the frame after the first: no
# fence can go in while it is up, so it is given several frames by the clock to come up and to go.
press Return
sleep 1
press f
sleep 1
screenshot key-bindings
pressInTurn Escape Escape Escape Escape
waitForMainMenu 5

# A new game: Space no longer joins in the opening, F does; the first wave ends, and is saved,
# only once F has shot its zelbin down.
startNewGame
press space
sleep 1
grep -q "Game digest at wave 1:" "$log" && fail "Space, no longer player 1's fire, joined the game"
press f
waitFor 150 grep -q "Game digest at wave 1:" "$log" || fail "F did not join player 1"
# Counted in frames, which step the game's time, rather than by the clock, which a loaded machine
# runs ahead of it: 200 presses of two frames each are well over the 6 s that 20 presses took
# unloaded.
for _ in $(seq 200); do grep -q "Saving game type 0 (wave=1)" "$log" && break; pressInTurn f; done
screenshot playing
grep -q "Saving game type 0 (wave=1)" "$log" || fail "F did not shoot the first wave down"
pressInTurn Escape Down Return Return
waitForMainMenu 6
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status"

grep -q "^defaultLanguage=5" "$folder/ZV2rmBrumedemo.ini" || fail "the engine settings do not keep Japanese"
# The settings record follows the 68-byte header of the signed file, zlib-compressed.
fire=$(python3 -c 'import struct, sys, zlib
print(struct.unpack_from("<i", zlib.decompress(open(sys.argv[1], "rb").read()[68:]), 3184)[0])' \
    "$folder/ZV2rmBrumedemo.hst")
[ "$fire" = "$KEY_F" ] || fail "player 1's fire is bound to $fire, not F ($KEY_F)"
echo "PASSED"
