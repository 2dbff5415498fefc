#!/usr/bin/env bash
# A headless start: every loader step runs on the shipped archives, the start-up screens
# open, and after 400 frames the program ends cleanly with no object left alive; "-safe" opens
# an 800 by 600 window and keeps the saved display mode, full screen included; an unknown
# switch prints the usage and exits 2; with no display and no driver chosen, or a user-data
# folder that cannot be made, the program says why and exits 1. Asked to end by a signal
# (SIGTERM, SIGINT, SIGHUP) the program saves and exits 0; SIGPIPE does not end it.
# Usage: startup.sh PROGRAM.
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

# Signals sent in turn to a loaded program, which must then have saved and exited 0.
SIGNAL_CASES=("TERM" "INT" "HUP" "PIPE TERM")
set -m # in a job of its own the program keeps SIGINT, which background jobs otherwise ignore
for signals in "${SIGNAL_CASES[@]}"; do
    rm -f "$log" "$folder"/ZV2rmBrumedemo.{hst,pro}
    "$program" 2>"$scratch/stderr" &
    pid=$!
    waitFor 200 grep -q "Global initialization complete" "$log" || fail "$signals: the program did not load"
    for signal in $signals; do
        kill -s "$signal" "$pid"
        sleep 0.5
    done
    waitForExit "$signals: the program did not end"
    [ "$status" -eq 0 ] || fail "$signals: the program exited with $status"
    expectSaved "$signals"
done
echo "PASSED"
