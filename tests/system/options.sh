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
    xdotool mousemove --window "$window" $((width / 2)) $((height / 2))
    waitFor 50 pointerLeads || fail "the menus did not follow the pointer"
    sleep 0.3 # keys rest in the frame of the mode change and the next
}

# Presses the keys and gives the screen they open time to come up.
choose() {
    press "$@"
    sleep 0.5
}

startWithName Ada
screenshot main-menu-english

# Main menu, from the middle: start, high scores, options. The hub focuses its first button;
# the language button is the sixth.
xdotool mousemove --window "$window" 320 240
sleep 0.3  # keys rest in the frame of the mode change and the next
choose Down Down Down Return
screenshot options-english
press Down Down Down Down Down Return
waitFor 100 grep -q "Multilanguage mode (-1)." "$log" || fail "the language button did not restart the program"
findWindow || fail "no window after the restart"
sleep 1
screenshot language-selection
# The pointer waits in the lower right corner; up from there is the Japanese flag.
xdotool mousemove --window "$window" 600 440
sleep 0.3
press Up Return
waitForMainMenu 4 # the restart saved the user data too
screenshot main-menu-japanese
grep -q "Using archive '.*ZV2rmBrumedemo.dat.Japanese'" "$log" || fail "the Japanese fonts were not loaded"

# Options, graphics, advanced: the full-screen switch, then back, which applies it with the
# mode shown.
choose Down Down Down Return
choose Down Down Return
# The detail choice takes the focus on its left arrow: right, then down to the advanced button.
choose Right Down Return
screenshot advanced-graphics
press Down Return Escape
waitForDisplay 1 "$(xdotool getdisplaygeometry)" # full screen fills the display
screenshot graphics-full-screen
centrePointer
choose Right Down Return
screenshot advanced-full-screen
# The mode reads the display's size, which leaving applies: first back to 640 x 480 on the
# mode's left arrow, then off full screen.
press Return Down Return Escape
waitForDisplay 2 "640 480" # the window comes back
centrePointer

# Back to the hub, controls, keyboard, player 1, the fire row: F.
choose Escape Up Return
choose Down Return
choose Down Return
choose Down Down Down Down Return
choose f # a screenshot now would bind F9
screenshot key-bindings
press Escape Escape Escape Escape
waitForMainMenu 5

# A new game: Space no longer joins in the opening, F does; the first wave ends, and is saved,
# only once F has shot its zelbin down.
startNewGame
press space
sleep 1
grep -q "Game digest at wave 1:" "$log" && fail "Space, no longer player 1's fire, joined the game"
press f
waitFor 150 grep -q "Game digest at wave 1:" "$log" || fail "F did not join player 1"
for _ in $(seq 20); do grep -q "Saving game type 0 (wave=1)" "$log" && break; press f; done
screenshot playing
grep -q "Saving game type 0 (wave=1)" "$log" || fail "F did not shoot the first wave down"
press Escape Down Return Return
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
