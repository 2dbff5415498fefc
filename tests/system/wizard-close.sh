#!/usr/bin/env bash
# A full-screen game runs the network wizard's test in a window; closing that window ends the
# program cleanly and keeps full screen as the player's choice, in the engine settings and in
# the settings record, so the next start opens full screen again. Usage: wizard-close.sh
# PROGRAM [FOLDER] (screenshots copied there). Exits 77 without xvfb-run or xdotool.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
requireTools python3
FULL_SCREEN_OFFSET=3056 # of the settings record

# The settings record's full-screen byte; the record follows the 68-byte header of the signed
# file, zlib-compressed.
recordFullScreen() {
    python3 -c 'import sys, zlib
print(zlib.decompress(open(sys.argv[1], "rb").read()[68:])[int(sys.argv[2])])' \
        "$folder/ZV2rmBrumedemo.hst" "$FULL_SCREEN_OFFSET"
}

# Holds once the window is "$1" ("W H") in size.
windowIs() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH $HEIGHT" = "$1" ]
}

# A click at the point of the 640 by 480 field ($1, $2 from its top left corner), wherever the
# window shows that field.
clickField() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local scale=$((WIDTH * 480 < HEIGHT * 640 ? WIDTH * 1000 / 640 : HEIGHT * 1000 / 480))
    local left=$(((WIDTH - 640 * scale / 1000) / 2)) top=$(((HEIGHT - 480 * scale / 1000) / 2))
    clickAt $((left + $1 * scale / 1000)) $((top + $2 * scale / 1000))
}

sed -i 's/^bFullScreen=0$/bFullScreen=1/' "$settings"
startWithName Ivo
windowIs "$(xdotool getdisplaygeometry)" || fail "the first start is not full screen"
screenshot main-menu
clickField 320 390 # Options...
clickField 320 340 # the options' Network Wizard
waitFor 100 grep -q "This wizard will help you" "$log" || fail "the network wizard did not open"
screenshot wizard
clickField 545 440 # NEXT, with "Run test on desktop" ticked
waitFor 100 windowIs "640 480" || fail "the wizard's test did not switch to a 640 by 480 window"
screenshot test-window
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status after its window was closed"
grep -q "^bFullScreen=1$" "$settings" || fail "the engine settings lost the full-screen choice"
[ "$(recordFullScreen)" = 1 ] || fail "the settings record lost the full-screen choice"

# Ended by its own frame count: a full-screen window closed from outside leaves X errors.
mv "$log" "$scratch/first.log"
"$program" --frames 100 2>"$scratch/stderr" || fail "the next start exited with $?"
grep -q "Display .* full screen" "$log" || fail "the next start did not open full screen"
echo "PASSED"
