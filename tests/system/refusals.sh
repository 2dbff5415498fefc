#!/usr/bin/env bash
# A user-data folder the program cannot use stops it before its window opens: the player reads
# why in a box titled "Error", wholly on the smallest display (640 by 480), whatever the locale,
# and the program exits 1 once it is closed. Without zenity SDL's own box shows it, which SIGTERM
# ends with the program and a kill takes with it. Under a starter that ignores SIGTERM, SIGHUP
# ends the program and a kill takes the box with it all the same, no process of it left.
# A box that is shown a while after its window is made, as on a busy machine, is waited for.
# Without a screen (the offscreen driver) no box waits: stderr only, at once.
# Usage: refusals.sh PROGRAM. Exits 77 without xvfb-run, xdotool, zenity or the X core fonts.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startBoxWalkThrough "$@"

# A file where the folder belongs.
blockWithFile() {
    export XDG_DATA_HOME="$scratch/file"
    mkdir -p "$XDG_DATA_HOME/ZV2rmBrumedemo"
    echo "not a folder" >"$XDG_DATA_HOME/ZV2rmBrumedemo/3.07"
}

# Folder names that together pass the longest path the system takes.
blockWithLongPath() {
    local name
    name=$(printf 'n%.0s' $(seq 250))
    export XDG_DATA_HOME="$scratch/long"
    for _ in $(seq 17); do XDG_DATA_HOME="$XDG_DATA_HOME/$name"; done
}

# A folder where the lock file belongs, below a folder name that is not UTF-8: the text shown
# and printed replaces the byte instead of passing it on.
blockWithLockFolder() {
    export XDG_DATA_HOME="$scratch/caf"$'\xe9'
    mkdir -p "$XDG_DATA_HOME/ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.lock"
}

# A zenity whose box is named "Error" only once hidden, and shown two seconds later: a box found
# before it is shown, as a busy machine's may be.
makeLateZenity() {
    mkdir "$scratch/late"
    cat >"$scratch/late/zenity" <<'EOF'
#!/usr/bin/env bash
PATH=${PATH#*:} zenity "${@/#--title=*/--title=Late}" &
for _ in $(seq 100); do
    box=$(xwininfo -root -children | awk '$2 == "\"Late\":" { print $1 }')
    [ -n "$box" ] && break
    sleep 0.1
done
xdotool windowunmap --sync "$box"
xprop -id "$box" -f _NET_WM_NAME 8u -set _NET_WM_NAME Error
sleep 2
xdotool windowmap "$box"
wait $!
EOF
    chmod +x "$scratch/late/zenity"
}

# Starts the program in the background ($pid) as $1 names: plainly, under the C locale (where
# zenity takes no text that is not ASCII), with a zenity that shows its box late, with no zenity
# on the PATH or from a starter that ignores SIGTERM.
startProgram() {
    case $1 in
        plain) "$program" 2>"$scratch/stderr" & ;;
        C) LANG=C LC_ALL=C "$program" 2>"$scratch/stderr" & ;;
        late) PATH="$scratch/late:$PATH" "$program" 2>"$scratch/stderr" & ;;
        "no zenity") PATH="$scratch/empty" "$program" 2>"$scratch/stderr" & ;;
        "TERM ignored") bash -c "trap '' TERM; exec \"\$0\"" "$program" 2>"$scratch/stderr" & ;;
    esac
    pid=$!
}

# Ends the box of the program started in the background ($pid), naming the case $1, the way $2
# names (OK, or a signal); sets $status.
endBox() {
    if [ "$2" = OK ]; then
        closeErrorBoxAndWait "$1"
        return
    fi
    waitForErrorBox "$1"
    findBoxGroups
    kill -s "$2" "$pid"
    waitForExit "$1: the program did not end"
    expectNoBox "$1"
    expectNoBoxProcess "$1"
}

mkdir "$scratch/empty"
makeLateZenity
# Name, the folder, the reason, how it starts, how its box goes, then the status.
CASES=(
    "a file:blockWithFile:Not a directory:plain:OK:1"
    "a path too long:blockWithLongPath:File name too long:plain:OK:1"
    "a lock that is a folder:blockWithLockFolder:Is a directory:plain:OK:1"
    "a name not ASCII, the C locale:blockWithLockFolder:Is a directory:C:OK:1"
    "a box shown late:blockWithFile:Not a directory:late:OK:1"
    "SDL's box, SIGTERM:blockWithFile:Not a directory:no zenity:TERM:1"
    "SDL's box, a kill:blockWithFile:Not a directory:no zenity:KILL:137"
    "a starter that ignores TERM, SIGHUP:blockWithFile:Not a directory:TERM ignored:HUP:1"
    "a starter that ignores TERM, a kill:blockWithFile:Not a directory:TERM ignored:KILL:137"
)
for entry in "${CASES[@]}"; do
    IFS=: read -r name block reason starter way wantStatus <<<"$entry"
    "$block"
    startProgram "$starter"
    endBox "$name" "$way"
    [ "$status" -eq "$wantStatus" ] || fail "$name: the program exited with $status, not $wantStatus"
    grep -qF "Could not use the user-data folder" "$scratch/stderr" || fail "$name: stderr lacks the refusal"
    grep -qF "$reason" "$scratch/stderr" || fail "$name: stderr lacks '$reason'"
    iconv -f UTF-8 -t UTF-8 "$scratch/stderr" >/dev/null 2>&1 || fail "$name: stderr is not UTF-8"

    timeout 10 env SDL_VIDEODRIVER=offscreen "$program" 2>"$scratch/stderr"
    status=$?
    [ "$status" -eq 1 ] || fail "$name, offscreen: the program exited with $status, not 1 at once"
    findErrorBox && fail "$name, offscreen: a box was shown"
done
echo "PASSED"
