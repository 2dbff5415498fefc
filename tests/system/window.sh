#!/usr/bin/env bash
# The real window on a virtual X display: it opens and the engine starts, a second copy
# exits at once, and closing the window (xdotool) shuts the engine down cleanly.
# Usage: window.sh PROGRAM. Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail

if [ "${1:-}" != "--inside" ]; then
    program=$(realpath "$1")
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
            exit 77
        fi
    done
    exec xvfb-run -a bash "$0" --inside "$program"
fi

program=$2
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
log="$XDG_DATA_HOME/ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.log"

fail() {
    echo "FAILED: $1"
    [ -f "$log" ] && sed 's/^/    log: /' "$log"
    [ -s "$scratch/stderr" ] && sed 's/^/    stderr: /' "$scratch/stderr"
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
waitFor() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

"$program" 2>"$scratch/stderr" &
pid=$!

window=""
findWindow() { window=$(xdotool search --name "Zelbin Vorlanx" 2>/dev/null | head -n 1); [ -n "$window" ]; }
waitFor 100 findWindow || fail "the window did not open"
waitFor 100 grep -q "Entering game loop." "$log" || fail "the engine was not created"

start=$(date +%s%N)
timeout 10 "$program" >/dev/null 2>&1
second=$?
elapsedMs=$((($(date +%s%N) - start) / 1000000))
[ "$second" -eq 0 ] || fail "the second copy exited with $second"
[ "$elapsedMs" -lt 3000 ] || fail "the second copy took ${elapsedMs} ms to exit"
kill -0 "$pid" 2>/dev/null || fail "the first copy died when the second started"

xdotool windowclose "$window"
waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "closing the window did not end the program"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program exited with $status after its window was closed"
grep -q "VEK shutting down..." "$log" || fail "no shut-down in the log"
grep -q "0 objects still alive." "$log" || fail "objects were still alive at shut-down"
echo "window opened, second copy exited in ${elapsedMs} ms, closed cleanly"
