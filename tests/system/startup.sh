#!/usr/bin/env bash
# A headless start: every loader step runs on the shipped archives, the start-up screens
# open, and after 400 frames the program ends cleanly with no object left alive; "-safe" opens
# an 800 by 600 window and keeps the saved display mode, full screen included; an unknown
# switch prints the usage and exits 2; with no display and no driver chosen, or a user-data
# folder that cannot be made, the program says why and exits 1. Asked to end by a signal
# (SIGTERM, SIGINT, SIGHUP) the program saves and exits 0; SIGPIPE does not end it. Held by a
# display that never answers, it ends by that signal within the bound, or at once on a second
# one, saying why. Usage: startup.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startHeadless "$1"

printf '[VekGraphics]\nvideoModeWidth=720\nvideoModeHeight=540\nbFullScreen=1\n' >"$settings"
"$program" -safe --frames 400 || fail "the program did not exit with status 0"
grep -q "Display 800 x 600, screen" "$log" || fail "-safe did not open an 800 by 600 window"
for line in videoModeWidth=720 bFullScreen=1; do
    grep -q "^$line$" "$settings" || fail "-safe replaced the saved display mode ($line)"
done
"$program" --safe 2>"$scratch/stderr"
[ $? -eq 2 ] && grep -q "^usage: " "$scratch/stderr" || fail "--safe did not exit 2 with the usage"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program" 2>"$scratch/stderr"
[ $? -eq 1 ] && grep -q "no display found" "$scratch/stderr" || fail "no display: not said, or not exit 1"

# A user-data folder that cannot be made: the variable that puts it there, then the first folder
# on the way that fails and why. Run as nobody where the check runs as root, whom no mode stops.
touch "$scratch/blocked"
mkdir -m 555 "$scratch/readonly"
mkdir "$scratch/runnable"
cp "$program" "$(dirname "$0")/lsan.supp" "$scratch/runnable/"
chmod 711 "$scratch"
asUser=()
[ "$(id -u)" -eq 0 ] && asUser=(setpriv --reuid=65534 --regid=65534 --clear-groups)
FOLDER_CASES=("XDG_DATA_HOME=$scratch/blocked/data:$scratch/blocked: Not a directory"
    "HOME=$scratch/readonly:$scratch/readonly/.local: Permission denied")
for entry in "${FOLDER_CASES[@]}"; do
    IFS=: read -r variable said <<<"$entry"
    env -u XDG_DATA_HOME "$variable" LSAN_OPTIONS="suppressions=$scratch/runnable/lsan.supp" "${asUser[@]}" \
        "$scratch/runnable/$(basename "$program")" 2>"$scratch/stderr"
    [ $? -eq 1 ] && grep -qF "Could not make the folder $said" "$scratch/stderr" ||
        fail "$variable: not said, or not exit 1"
done
for line in "Global::initPostLoader(): Global initialization complete at t=" "Rendered 400 frames" \
    "0 objects still alive."; do
    grep -qF "$line" "$log" || fail "the log lacks '$line'"
done
expectSaved "the 400 frames"

# A display that takes connections and never answers, as a dead forwarded one does, until a
# minute passes without one; $scratch/silent has a line for each connection it takes.
requireTools python3
python3 -c 'import socket
listener = socket.create_server(("127.0.0.1", 0))  # any port above 6000 is a display number
print(listener.getsockname()[1] - 6000, flush=True)
listener.settimeout(60)
taken = []
while True:
    taken.append(listener.accept()[0])
    print("taken", flush=True)' >>"$scratch/silent" 2>/dev/null &
silentPid=$!
trap 'kill "$silentPid" 2>/dev/null; cleanUpScratch' EXIT
waitFor 50 test -s "$scratch/silent" || fail "the silent display did not start"
silentDisplay=127.0.0.1:$(head -n 1 "$scratch/silent")

# Starts the program in the background ($pid) as $1 names, and waits until it is there: loaded
# (the engine and the game made), or held inside the opening of the display that never answers.
startHeld() {
    if [ "$1" = loaded ]; then
        rm -f "$log" "$folder"/ZV2rmBrumedemo.{hst,pro}
        "$program" 2>"$scratch/stderr" &
        pid=$!
        waitFor 200 grep -q "Global initialization complete" "$log" || fail "$1: the program did not load"
        return
    fi
    : >"$scratch/silent"
    env -u SDL_VIDEODRIVER DISPLAY="$silentDisplay" "$program" 2>"$scratch/stderr" &
    pid=$!
    waitFor 200 grep -q taken "$scratch/silent" || fail "$1: the display was not asked"
}

# Where the program is when the signals come, the signals sent in turn, then its exit status and
# what stderr says of the end (nothing where the orderly exit runs, which saves).
SIGNAL_CASES=(
    "loaded:TERM:0:"
    "loaded:INT:0:"
    "loaded:HUP:0:"
    "loaded:PIPE TERM:0:"
    "display silent:TERM:143:Ending at once on SIGTERM: the orderly exit made no step within 5 seconds"
    "display silent:HUP:129:Ending at once on SIGHUP: the orderly exit made no step within 5 seconds"
    "display silent:INT INT:130:Ending at once on SIGINT: it came after an earlier end signal."
)
set -m # in a job of its own the program keeps SIGINT, which background jobs otherwise ignore
for entry in "${SIGNAL_CASES[@]}"; do
    IFS=: read -r held signals wantStatus said <<<"$entry"
    name="$held, $signals"
    startHeld "$held"
    for signal in $signals; do
        kill -s "$signal" "$pid"
        sleep 0.5
    done
    waitForExit "$name: the program did not end" # in ten seconds, twice the bound
    [ "$status" -eq "$wantStatus" ] || fail "$name: the program exited with $status, not $wantStatus"
    if [ -z "$said" ]; then
        grep -q "Ending at once" "$scratch/stderr" && fail "$name: the orderly exit was cut"
        expectSaved "$name"
    else
        grep -qF "$said" "$scratch/stderr" || fail "$name: stderr lacks '$said'"
    fi
done
echo "PASSED"
