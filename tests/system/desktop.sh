#!/usr/bin/env bash
# A first run on a small desktop (a virtual X display of 800 by 600): switches it does not
# know print the usage and exit 2, --help exits 0; without any display, and no video driver
# chosen, it says so and exits 1; the window opens centred on the display; "-safe" is not
# kept for the next start. Usage: desktop.sh PROGRAM. Exits 77 (skipped) when xvfb-run or
# xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

[ "${1:-}" != "--inside" ] && onVirtualDisplay -s "-screen 0 800x600x24" bash "$0" --inside "$(realpath "$1")"

program=$2
useScratchHome
unset SDL_VIDEODRIVER
suppressLibraryLeaks

"$program" --help >"$scratch/out" 2>"$scratch/stderr" || fail "--help did not exit with status 0"
grep -q "^usage: " "$scratch/out" || fail "--help printed no usage"
"$program" --safe >/dev/null 2>"$scratch/stderr"
[ $? -eq 2 ] || fail "a misspelt switch did not exit with status 2"
grep -q "unknown switch '--safe'" "$scratch/stderr" && grep -q "^usage: " "$scratch/stderr" ||
    fail "a misspelt switch was not named with the usage"

env -u DISPLAY -u WAYLAND_DISPLAY "$program" --frames 5 2>"$scratch/stderr"
[ $? -eq 1 ] || fail "without a display the program did not exit with status 1"
grep -q "no display found" "$scratch/stderr" || fail "without a display the program did not say so"

# A saved mode other than the safe one.
mkdir -p "$folder"
printf '[VekGraphics]\nvideoModeWidth=720\nvideoModeHeight=540\n' >"$folder/ZV2rmBrumedemo.ini"
"$program" -safe --frames 60 2>"$scratch/stderr" || fail "the -safe run did not exit with status 0"
grep -q "^videoModeWidth=720$" "$folder/ZV2rmBrumedemo.ini" || fail "-safe replaced the saved display mode"

"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
waitFor 50 grep -q "VekGraphics::VekGraphics(): Display" "$log" || fail "the display did not open"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 720 ] && [ "$X" -eq 40 ] && [ "$Y" -eq 30 ] ||
    fail "the ${WIDTH}x${HEIGHT} window is at ($X, $Y), not centred on the 800x600 display"
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "usage, no display, centred window and -safe behave"
