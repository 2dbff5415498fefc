#!/usr/bin/env bash
# The real window on a virtual X display: it opens centred and the engine starts, a second
# copy exits at once, and closing the window (xdotool) shuts the engine down cleanly. A saved
# full-screen choice opens the next start full screen, over the whole display, and stays saved;
# one the display refuses opens a window. A display that cannot be opened ends the start with
# status 1 and a message naming it, with the server's reason where it gave one; only where none
# is named does the message ask to set one.
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

sed -i 's/^bFullScreen=0$/bFullScreen=1/' "$settings"
mv "$log" "$scratch/first.log"
# Ended by its own frame count, as a player's quit ends it (destroyed.sh destroys full-screen
# windows from outside).
"$program" --frames 200 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
waitFor 100 grep -q "Global initialization complete" "$log" || fail "the full-screen start did not load"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X $Y $WIDTH $HEIGHT" = "0 0 1280 1024" ] || fail "full screen is at ($X, $Y), $WIDTH x $HEIGHT, not the display"
wait "$pid" || fail "the full-screen start exited with $?"
pid=""
grep -q "^bFullScreen=1$" "$settings" || fail "the settings lost the full-screen choice"

# Full screen larger than any mode of the display: refused, a window instead, and it is kept.
sed -i 's/^videoModeWidth=.*/videoModeWidth=1600/; s/^videoModeHeight=.*/videoModeHeight=1200/' "$settings"
"$program" --frames 60 2>"$scratch/stderr" || fail "the refused full screen exited with $?"
grep -q "The display refused 1600 x 1200 full screen" "$log" || fail "the refusal was not logged"
grep -q "Display 1600 x 1200, screen" "$log" || fail "the refused full screen did not open a window"
grep -q "^bFullScreen=0$" "$settings" || fail "the settings do not follow the window the display gave"
# A display number on which no server runs.
freeDisplay() {
    local number=1000
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
    echo ":$number"
}

# Starts the program on the display as $1 names, which it sets $tried to; sets $status.
startOnDisplay() {
    tried=$DISPLAY
    case $1 in
        "none named") env -u DISPLAY -u WAYLAND_DISPLAY "$program" ;;
        "no server")
            tried=$(freeDisplay)
            DISPLAY=$tried "$program"
            ;;
        "a wrong cookie")
            xauth -q -f "$scratch/wrong" add "$DISPLAY" . "$(mcookie)"
            XAUTHORITY="$scratch/wrong" "$program"
            ;;
    esac 2>"$scratch/stderr"
    status=$?
}

# How the display is named, then the line that says why the window did not open (a ^ stands
# for the display tried).
DISPLAY_CASES=(
    "none named|no display found: set DISPLAY (X11) or WAYLAND_DISPLAY, or SDL_VIDEODRIVER=offscreen to run without a window"
    "no server|the X display \"^\" could not be opened"
    "a wrong cookie|the X display \"^\" could not be opened: Invalid MIT-MAGIC-COOKIE-1 key"
)
for entry in "${DISPLAY_CASES[@]}"; do
    IFS="|" read -r name said <<<"$entry"
    startOnDisplay "$name"
    [ "$status" -eq 1 ] || fail "$name: the program exited with $status, not 1"
    said="Could not open the window: ${said//^/$tried}"
    grep -qxF "$said" "$scratch/stderr" || fail "$name: stderr lacks the line '$said'"
done
echo "window opened, second copy exited in ${elapsedMs} ms, closed cleanly; full screen kept, refused: a window"
