#!/usr/bin/env bash
# Folder names are bytes: a user-data folder and a program folder whose names are Latin-1, not
# UTF-8, or hold spaces or accents work like any other. The program starts, takes its lock,
# writes its files under the very bytes it was given (no look-alike folder appears), ends with
# status 0 and leaves no crash log behind. Usage: folders.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startHeadless "$1"
build=$(dirname "$program")

names=("caf"$'\xe9' $'\xff\xfe' "two words" "caf"$'\xc3\xa9')

# Runs the program at $1 with the user data in $2 for a few frames; fails unless it ends with
# status 0, with its lock, log and records in the data folder and no crash log.
startAndCheck() {
    folder="$2/ZV2rmBrumedemo/3.07"
    log="$folder/ZV2rmBrumedemo.log"
    XDG_DATA_HOME="$2" "$1" --frames 30 --fixed-step --no-draw 2>"$scratch/stderr" || fail "$3: not ended with status 0"
    grep -qF "Global initialization complete" "$log" || fail "$3: the start did not complete"
    for file in ZV2rmBrumedemo.lock ZV2rmBrumedemo.pro ZV2rmBrumedemo.hst ZV2rmBrumedemo.ini; do
        [ -f "$folder/$file" ] || fail "$3: no $file in the data folder"
    done
    [ -e "$folder/crash.ZV2rmBrumedemo.log" ] && fail "$3: a crash log was left behind"
    return 0
}

for name in "${names[@]}"; do
    shown=$(printf '%q' "$name")
    data="$scratch/$name"
    mkdir "$data"
    startAndCheck "$program" "$data" "data folder $shown"
    [ "$(ls "$data")" = ZV2rmBrumedemo ] || fail "data folder $shown: other files beside the program's folder"

    game="$scratch/game/$name"
    mkdir -p "$game"
    cp "$program" "$build/ZV2rmBrumedemo.ini" "$game/"
    ln -s "$build"/ZV2rmBrumedemo.dat* "$game/"
    startAndCheck "$game/$(basename "$program")" "$scratch/data-of-game" "program folder $shown"
done
[ -z "$(find "$scratch" -name $'*\xef\xbf\xbd*')" ] || fail "a folder with U+FFFD in its name was made"
echo "PASSED"
