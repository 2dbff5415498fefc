#!/usr/bin/env bash
# A user-data folder the program cannot use stops it before its window opens: the player reads
# why in a box titled "Error", wholly on the smallest display (640 by 480), and the program
# exits 1 once it is closed. Without a screen (the offscreen driver) no box waits: stderr only,
# at once.
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

CASES=(
    "a file:blockWithFile:Not a directory"
    "a path too long:blockWithLongPath:File name too long"
    "a lock that is a folder:blockWithLockFolder:Is a directory"
)
for entry in "${CASES[@]}"; do
    IFS=: read -r name block reason <<<"$entry"
    "$block"
    "$program" 2>"$scratch/stderr" &
    pid=$!
    closeErrorBoxAndWait "$name"
    [ "$status" -eq 1 ] || fail "$name: the program exited with $status, not 1"
    grep -qF "Could not use the user-data folder" "$scratch/stderr" || fail "$name: stderr lacks the refusal"
    grep -qF "$reason" "$scratch/stderr" || fail "$name: stderr lacks '$reason'"
    iconv -f UTF-8 -t UTF-8 "$scratch/stderr" >/dev/null 2>&1 || fail "$name: stderr is not UTF-8"

    timeout 10 env SDL_VIDEODRIVER=offscreen "$program" 2>"$scratch/stderr"
    status=$?
    [ "$status" -eq 1 ] || fail "$name, offscreen: the program exited with $status, not 1 at once"
    findErrorBox && fail "$name, offscreen: a box was shown"
done
echo "PASSED"
