#!/usr/bin/env bash
# The score upload, answered with status 200 and a megabyte that starts with a line in an 8-bit
# encoding and a NUL byte, goes on without a blank and ends in line feeds: the upload ends as
# done within seconds, the line shows U+FFFD where the bytes are no text, the log keeps only the
# reply's first lines, the window keeps drawing (F9 takes a picture) and closes. Usage:
# replies.sh PROGRAM [FOLDER] (the screenshot copied there).
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startWalkThrough "$@"
answer="$scratch/answer"
{
    printf 'Merci ! 10 scores re\xe7us.\r\n\0\r\n'
    head -c $((512 * 1024)) /dev/zero | tr '\0' W
    head -c $((512 * 1024 - 32)) /dev/zero | tr '\0' '\n'
} >"$answer"
useWebHost "$(realpath "$program")" 120 --answer "$answer"

startWithName "Ida"
pointAt 320 240
# The high scores, their options, the upload button; unconfigured, it opens the network test.
pressInTurn Down Down Return Return Down Return
waitFor 100 grep -qF "> This wizard will help you set up your network." "$log" || fail "the network wizard did not open"
pressInTurn Right Return
waitFor 100 grep -qF "> Connection test was successful." "$log" || fail "the network test did not succeed"
pressInTurn Return Right Down Return # the country, then back on the high-score options
pressInTurn Return Right Return # the upload button again, then NEXT
# The network test ended in "Done." too: the upload's is the second.
if ! waitFor 100 bash -c "[ \$(grep -cF '> Done.' '$log') -ge 2 ]"; then
    kill -KILL "$pid" # stuck inside one call, it would answer no other signal
    fail "the upload did not end within 10 s"
fi
grep -qF $'> Merci ! 10 scores re\xef\xbf\xbdus.' "$log" || fail "the reply's first line is not shown with U+FFFD"
grep -qF "The request failed" "$log" && fail "a reply with status 200 was reported as failed"
[ "$(stat -c %s "$log")" -lt 65536 ] || fail "the log took in the whole reply ($(stat -c %s "$log") bytes)"
screenshot long-reply
closeWindowAndWait
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "PASSED"
