#!/usr/bin/env bash
# A headless start: every loader step runs on the shipped archives, the start-up screens
# open, and after 400 frames the program ends cleanly with no object left alive.
# Usage: startup.sh PROGRAM.
set -uo pipefail

program=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"
log="$XDG_DATA_HOME/ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.log"

if ! "$program" --frames 400; then
    echo "FAILED: the program did not exit with status 0"
    cat "$log" 2>/dev/null
    exit 1
fi
for line in "Global::initPostLoader(): Global initialization complete at t=" "Rendered 400 frames" \
    "0 objects still alive."; do
    if ! grep -qF "$line" "$log"; then
        echo "FAILED: the log lacks '$line'"
        cat "$log"
        exit 1
    fi
done
for file in ZV2rmBrumedemo.hst ZV2rmBrumedemo.pro; do
    if [ ! -s "$XDG_DATA_HOME/ZV2rmBrumedemo/3.07/$file" ]; then
        echo "FAILED: $file was not saved at shut-down"
        exit 1
    fi
done
echo "PASSED"
