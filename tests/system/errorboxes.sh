#!/usr/bin/env bash
# The boxes titled "Error" on a 640 by 480 display, each wholly on it, and every way they go.
# Ctrl+Alt+X on the main menu of any build ends the program through the fatal path, as a
# player makes crash files to try the crash report: the crash files are complete while the box
# is up; closing it with OK, another client destroying it, or SIGTERM end the
# program with status 1, the error on stderr and the crash log ending in "Forced exit."; a
# kill leaves the crash files and takes the box with it; the next start offers the report. A
# save that fails (a folder where the profiles belong) shows its box and the game goes on when
# the box is destroyed; SIGHUP while it is up ends the program with status 0 after its save,
# and leaves it up under nohup; under a starter that ignores SIGTERM, SIGHUP and a kill take
# the box and every process of it with the program. A save that fails on the way out that a
# signal or a lost display asked for opens no box: the program ends at once, the error on
# stderr and in the log.
# Usage: errorboxes.sh PROGRAM. Exits 77 without xvfb-run, xdotool, zenity or the X core fonts.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startBoxWalkThrough "$@"
crashLog="$folder/crash.ZV2rmBrumedemo.log"

# The way the box goes, then the status the program ends with.
FATAL_CASES=(
    "OK:1"
    "destroyed:1"
    "TERM:1"
    "KILL:137"
)
# How the program starts (nohup ignores SIGHUP), the way the box goes, then the status.
SAVE_CASES=(
    "plain:destroyed:0"
    "plain:HUP:0"
    "nohup:HUP:0"
    "TERM ignored:HUP:0"
    "TERM ignored:KILL:137"
)
# What ends the program after its folder became a file, then the status.
EXIT_SAVE_CASES=(
    "TERM:0"
    "display lost:1"
)

# Closes the box ($box) of the program ($pid) the way $1 names: OK, destroyed or a signal.
closeBox() {
    case $1 in
        OK) xdotool windowfocus --sync "$box" 2>/dev/null && xdotool key Return ;;
        destroyed) xdotool windowclose "$box" ;;
        *) kill -s "$1" "$pid" ;;
    esac
}

# A user-data folder as a first start finds it, apart from the window the checks ask for.
emptyFolder() {
    rm -rf "${folder:?}"/* && printf '[VekGraphics]\nbFullScreen=0\n' >"$settings"
    introsSkipped=0
}

for entry in "${FATAL_CASES[@]}"; do
    IFS=: read -r way wantStatus <<<"$entry"
    name="fatal, $way"
    emptyFolder
    startWithName "Ida"
    # Real key presses on the focused window (the modifiers of keys sent to a window without
    # the focus do not count), held until the program has read them, as a hand holds them until
    # something happens.
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool keydown ctrl+alt+x
    waitFor 100 grep -qsF "Error: Crash requested." "$crashLog"
    xdotool keyup ctrl+alt+x
    waitForErrorBox "$name"
    findBoxGroups
    grep -qF "Error: Crash requested." "$crashLog" || fail "$name: no crash log while the box is up"
    [ "$(head -c 3 "$folder/crash.ZV2rmBrumedemo.jpg" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] ||
        fail "$name: no crash screenshot"
    closeBox "$way"
    waitForExit "$name: the program did not end"
    [ "$status" -eq "$wantStatus" ] || fail "$name: the program exited with $status, not $wantStatus"
    expectNoBox "$name"
    expectNoBoxProcess "$name"
    [ "$way" = KILL ] && continue
    grep -qF "Error: Crash requested." "$scratch/stderr" || fail "$name: stderr lacks the error"
    tail -n 1 "$crashLog" | grep -qF "Forced exit." || fail "$name: the crash log does not end in 'Forced exit.'"
done

mv "$log" "$scratch/first.log"
SDL_VIDEODRIVER=offscreen "$program" --frames 60 2>"$scratch/stderr" || fail "the next start failed"
grep -qF "> An error report has been found" "$log" || fail "the next start did not offer the report"

# Fails, naming the case $1, unless the game goes on with the box up.
expectBoxStays() {
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "$1: the game did not go on"
    findErrorBox || fail "$1: the error box went"
}

for entry in "${SAVE_CASES[@]}"; do
    IFS=: read -r starter way wantStatus <<<"$entry"
    name="failed save, $starter, $way"
    emptyFolder
    mkdir "$folder/ZV2rmBrumedemo.pro"
    case $starter in
        nohup) nohup "$program" >/dev/null 2>"$scratch/stderr" & ;;
        "TERM ignored") bash -c "trap '' TERM; exec \"\$0\"" "$program" 2>"$scratch/stderr" & ;;
        *) "$program" 2>"$scratch/stderr" & ;;
    esac
    pid=$!
    waitForGameLoop
    xdotool windowfocus --sync "$window" 2>/dev/null
    waitForMainMenu 1
    waitForErrorBox "$name"
    findBoxGroups
    closeBox "$way"
    if [ "$starter" = nohup ]; then
        expectBoxStays "$name"
        closeBox destroyed
    fi
    if [ "$way" = destroyed ] || [ "$starter" = nohup ]; then
        sleep 1
        kill -0 "$pid" 2>/dev/null || fail "$name: the game did not go on"
        closeWindowAndWait
    else
        waitForExit "$name: the program did not end"
    fi
    [ "$status" -eq "$wantStatus" ] || fail "$name: the program exited with $status, not $wantStatus"
    expectNoBox "$name"
    expectNoBoxProcess "$name"
    [ "$way" = KILL ] && continue
    [ "$(grep -c 'Global::saveUserData(): Saving.' "$log")" -eq 2 ] || fail "$name: not saved at the end"
done

for entry in "${EXIT_SAVE_CASES[@]}"; do
    IFS=: read -r way wantStatus <<<"$entry"
    name="failed save on the way out, $way"
    emptyFolder
    "$program" 2>"$scratch/stderr" &
    pid=$!
    waitForGameLoop
    waitForMainMenu 1
    mv "$folder" "$scratch/moved" && echo "not a folder" >"$folder"
    if [ "$way" = "display lost" ]; then xdotool windowkill "$window"; else kill -s "$way" "$pid"; fi
    waitForExit "$name: the program did not end"
    rm "$folder" && mv "$scratch/moved" "$folder"
    [ "$status" -eq "$wantStatus" ] || fail "$name: the program exited with $status, not $wantStatus"
    findErrorBox && fail "$name: a box was shown"
    grep -qF "Could not save:" "$scratch/stderr" || fail "$name: stderr lacks the failed save"
    grep -qF "Telling the user: Could not save:" "$log" || fail "$name: the log lacks the failed save"
done
echo "PASSED"
