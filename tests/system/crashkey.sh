#!/usr/bin/env bash
# Ctrl+Alt+X on the main menu of any build ends the program through the fatal path, as a
# player makes crash files to try the crash report: the error in a box titled "Error" until the
# player closes it, then status 1, the error on stderr, the log copied to the crash files
# ending in "Forced exit.", a screenshot among them; the next start offers the report.
# Usage: crashkey.sh PROGRAM. Exits 77 without xvfb-run, xdotool or the X core fonts.
set -uo pipefail
source "$(dirname "$0")/common.bash"

requireBoxFonts
[ "${1:-}" != "--inside" ] && runOnVirtualDisplay "$(realpath "$1")"
program=$2
useScratchHome
unset SDL_VIDEODRIVER
suppressLibraryLeaks

startWithName "Ida"
# Real key presses on the focused window (the modifiers of keys sent to a window without the
# focus do not count), held over a few frames as a hand would hold them.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool keydown ctrl+alt+x
sleep 0.3
xdotool keyup ctrl+alt+x
closeErrorBoxAndWait "Ctrl+Alt+X"
[ "$status" -eq 1 ] || fail "the program exited with $status, not 1"
grep -qF "Error: Crash requested." "$scratch/stderr" || fail "stderr lacks the error"
crashLog="$folder/crash.ZV2rmBrumedemo.log"
grep -qF "Error: Crash requested." "$crashLog" || fail "the crash log lacks the error"
tail -n 1 "$crashLog" | grep -qF "Forced exit." || fail "the crash log does not end in 'Forced exit.'"
[ "$(head -c 3 "$folder/crash.ZV2rmBrumedemo.jpg" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] ||
    fail "no crash screenshot"

mv "$log" "$scratch/first.log"
SDL_VIDEODRIVER=offscreen "$program" --frames 60 2>"$scratch/stderr" || fail "the next start failed"
grep -qF "> An error report has been found" "$log" || fail "the next start did not offer the report"
echo "PASSED"
