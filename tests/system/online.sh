#!/usr/bin/env bash
# A run ended by a fatal signal leaves crash files (replacing links planted at their names); the
# next start, pointed at our web host, offers them, and real key presses run the network wizard
# and send the report, which the host then holds while the crash files are gone; then the high
# scores go up from the high-score options, and the host holds them, signed. Usage: online.sh
# PROGRAM.
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

[ "${1:-}" != "--inside" ] && runOnVirtualDisplay "$(realpath "$1")"

useScratchHome
unset SDL_VIDEODRIVER
suppressLibraryLeaks
useWebHost "$2" 120

# Links at the crash files' names, to a file outside the user-data folder: the crash replaces
# them with files of its own, and the report sends nothing that they point to.
mkdir -p "$folder"
echo "private" >"$scratch/private.txt"
for file in crash.ZV2rmBrumedemo.log crash.ZV2rmBrumedemo.mdmp crash.ZV2rmBrumedemo.net; do
    ln -s "$scratch/private.txt" "$folder/$file"
done

"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
kill -SEGV "$pid"
wait "$pid"
pid=""
for file in crash.ZV2rmBrumedemo.log crash.ZV2rmBrumedemo.mdmp; do
    [ -s "$folder/$file" ] && [ ! -L "$folder/$file" ] || fail "the fatal signal left no $file of its own"
done
[ "$(cat "$scratch/private.txt")" = "private" ] || fail "the crash wrote through a link"

# A key, then the log line that shows it took effect.
pressFor() {
    pressInTurn "$1"
    waitFor 100 grep -qF "$2" "$log" || fail "after $1 the log lacks '$2'"
}

"$program" 2>"$scratch/stderr" &
pid=$!
waitForGameLoop
waitFor 100 grep -qF "> An error report has been found" "$log" || fail "the crash report was not offered"
xdotool windowfocus --sync "$window" 2>/dev/null
pointAt 10 10 # key navigation starts from the top left corner
pressFor Down "Setting menu navigation mode to 2" # onto CANCEL
pressInTurn Right # onto the network wizard
pressFor Return "> This wizard will help you set up your network."
pressInTurn Right # from HELP onto NEXT
pressFor Return "> Connection test was successful."
pressInTurn Return # onto the network configuration
pressInTurn Right # from the country list's left arrow to its right one
pressInTurn Down # onto NEXT
pressInTurn Return
pressInTurn Right # back on the report: from the wizard button onto NEXT
pressFor Return "> Error report 1 has arrived: 2 files"
pressInTurn Return # FINISH
for file in crash.ZV2rmBrumedemo.log crash.ZV2rmBrumedemo.mdmp; do
    [ -e "$folder/$file" ] && fail "$file is still there after the upload"
    [ -s "$received/crash-1/$file" ] || fail "the host did not receive $file"
done
[ -L "$folder/crash.ZV2rmBrumedemo.net" ] && fail "the link at the network dump's name is still there"
[ -e "$received/crash-1/crash.ZV2rmBrumedemo.net" ] && fail "the report sent what a link pointed to"
[ "$(cat "$scratch/private.txt")" = "private" ] || fail "deleting the crash files reached through a link"

# The logo and the main menu follow, which asks for a name. From the greeting: the start
# button, the high scores, whose "More options" takes the focus; there the upload button is
# below the world-wide table's link, and on the upload screen NEXT is right of CANCEL.
waitForMainMenu 1
answerName "Ida"
waitForMainMenu 2
pointAt 320 240
pressInTurn Down
pressInTurn Down
pressInTurn Return # the high scores
pressInTurn Return # More options
pressInTurn Down
pressInTurn Return # Upload scores
pressInTurn Right
pressFor Return "> Received 10 scores; the best is 100000."
pressInTurn Return # FINISH
[ "$(stat -c %s "$received/scores-1.hst" 2>/dev/null)" = 3072 ] || fail "the host did not receive the signed scores"
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "PASSED"
