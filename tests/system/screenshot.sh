#!/usr/bin/env bash
# F9 in the real window on a virtual X display saves a screenshot: a JPEG of the 640 by 480
# field in the user-data folder. Usage: screenshot.sh PROGRAM [COPY]; with COPY the picture is
# also copied there (to look at it). Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail

if [ "${1:-}" != "--inside" ]; then
    program=$(realpath "$1")
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
            exit 77
        fi
    done
    exec xvfb-run -a bash "$0" --inside "$program" "${2:-}"
fi

program=$2
copy=$3
scratch=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
unset SDL_VIDEODRIVER
export XDG_DATA_HOME="$scratch/data" SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"
folder="$XDG_DATA_HOME/ZV2rmBrumedemo/3.07"
log="$folder/ZV2rmBrumedemo.log"
picture="$folder/ZV2rmBrumedemo-0001.jpg"

fail() {
    echo "FAILED: $1"
    [ -f "$log" ] && sed 's/^/    log: /' "$log"
    exit 1
}

waitFor() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

"$program" &
pid=$!
window=""
findWindow() { window=$(xdotool search --name "Zelbin Vorlanx" 2>/dev/null | head -n 1); [ -n "$window" ]; }
waitFor 100 findWindow || fail "the window did not open"
waitFor 100 grep -q "Entering game loop." "$log" || fail "the engine was not created"
sleep 1  # a few frames drawn
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" F9
waitFor 50 test -s "$picture" || fail "F9 saved no screenshot"
grep -q "Screenshot saved to" "$log" || fail "the screenshot is not in the log"
[ "$(head -c 3 "$picture" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail "the screenshot is not a JPEG"
[ -n "$copy" ] && cp "$picture" "$copy"
xdotool windowclose "$window"
waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "closing the window did not end the program"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "F9 saved $(stat -c %s "$picture" 2>/dev/null || echo a) byte screenshot"
