#!/usr/bin/env bash
# A sound server never holds the start or the exit, one without an output gives a silent game
# instead of a crash, and one that dies and comes back plays again: the program, headless and
# without SDL_AUDIODRIVER, against a PulseAudio server of its own on a private socket with a
# null output. Usage: soundserver.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

requireTools pulseaudio
startHeadless "$1"
unset SDL_AUDIODRIVER
export PULSE_SERVER="unix:$scratch/pulse/socket"
server=""
trap 'endServer; cleanUpScratch' EXIT

# Starts the server ($server), with a null output unless $1 is "no-output". Its runtime and
# home folders are the check's own, which lets root run one too.
startServer() {
    mkdir -p "$scratch/pulse"
    local output=(--load=module-null-sink)
    [ "${1:-}" = no-output ] && output=()
    HOME="$scratch/pulse" XDG_RUNTIME_DIR="$scratch/pulse" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disable-shm=yes "${output[@]}" \
        --load="module-native-protocol-unix socket=$scratch/pulse/socket auth-anonymous=1" >>"$scratch/pulse.log" 2>&1 &
    server=$!
    waitFor 100 test -S "$scratch/pulse/socket" || fail "the sound server did not start: $(cat "$scratch/pulse.log")"
}

endServer() {
    [ -n "$server" ] || return 0
    kill -CONT "$server" 2>/dev/null
    kill -KILL "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -f "$scratch/pulse/socket"
    server=""
}

# Starts the program in the background ($pid) with the arguments given, and waits until it
# plays through the server.
startPlaying() {
    rm -f "$log"
    "$program" "$@" >/dev/null 2>"$scratch/stderr" &
    pid=$!
    waitFor 300 grep -q "Audio output at [0-9]* Hz through pulseaudio\.$" "$log" ||
        fail "$*: no output through the server"
    waitFor 300 grep -q "Entering game loop." "$log" || fail "$*: the game loop did not start"
}

# Fails, naming the case $1, unless the program ended with status 0 ($status) after its
# engine's last word.
expectOrderlyEnd() {
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
    grep -q "objects still alive\.$" "$log" || fail "$1: the exit was not orderly"
}

# As waitForExit, with room for a sanitized build's slow frames on a busy machine: a held exit
# is held for good.
waitForEnd() { waitForExit "$1" 300; }

# Runs the program for a few frames, which must end; sets $status.
runBriefly() {
    rm -f "$log"
    "$program" --frames 30 >/dev/null 2>"$scratch/stderr" &
    pid=$!
    waitForEnd "$1: the program did not end"
}

startServer
startPlaying --play 1 --autopilot --invulnerable --frames 120
kill -STOP "$server"
waitForEnd "stopped mid-game: the frames ran out and the program did not end"
expectOrderlyEnd "stopped mid-game"

kill -CONT "$server"
startPlaying --play 1 --autopilot --invulnerable
kill -STOP "$server"
sleep 1
kill -TERM "$pid"
waitForEnd "stopped mid-game: SIGTERM did not end the program"
expectOrderlyEnd "stopped mid-game, SIGTERM"

runBriefly "stopped before the start"
expectOrderlyEnd "stopped before the start"
grep -q "No sound device (pulseaudio: the server did not answer within .*); playing silently\.$" "$log" ||
    fail "stopped before the start: the log does not say the server did not answer"

endServer
startServer no-output
runBriefly "no output"
expectOrderlyEnd "no output"
grep -q "No sound device (pulseaudio: the server has no output[;)]" "$log" ||
    fail "no output: the log does not say the server has none"

endServer
startServer
startPlaying --play 1 --autopilot --invulnerable
endServer
waitFor 100 grep -q "The audio output through pulseaudio was lost" "$log" || fail "killed: the loss was not logged"
startServer
waitFor 150 grep -q "Audio output at [0-9]* Hz through pulseaudio again\.$" "$log" ||
    fail "restarted: the output was not taken again"
kill -TERM "$pid"
waitForEnd "restarted: SIGTERM did not end the program"
expectOrderlyEnd "killed and restarted"
echo "PASSED"
