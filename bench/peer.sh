#!/usr/bin/env bash
# The program side by side with a peer, the SDL/OpenGL shooter chromium-bsu (installed here
# with apt-get when missing), each in a 640 by 480 window on a virtual X display of its own:
# idle at the main menu for 12 seconds, and 12 seconds of the busiest play (our asteroid belt
# of wave 52 on the autopilot, invulnerable, which lasts about 15 seconds; the peer's first
# level with fire held, as it has no autopilot). Both run on all cores, then again pinned to
# two. Then the whole game of bench/whole-game.sh.
# CPU seconds (user and system, every thread) are counted over the measured span only; peak
# memory is the resident high-water mark of the whole run. A measurement for the notes, not a
# test.
# Usage: bench/peer.sh [PROGRAM] (default build/zelbin-vorlanx)
set -euo pipefail
source "$(dirname "$0")/../tests/system/common.bash"

PEER=/usr/games/chromium-bsu
MENU_SECONDS=12
PLAY_SECONDS=12
BUSIEST_WAVE=52

# CPU seconds that process $1 has used so far, all its threads together.
cpuSeconds() {
    awk -v tick="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); printf "%.2f", ($12 + $13) / tick }' "/proc/$1/stat"
}

# Sleeps $1 seconds while the program ($pid) runs, then prints its CPU seconds over that span,
# its peak memory in KiB and the machine's load when the span began.
measureFor() {
    local before load
    before=$(cpuSeconds "$pid")
    load=$(cut -d' ' -f1 /proc/loadavg)
    sleep "$1"
    kill -0 "$pid" 2>/dev/null || fail "the program ended before the measurement did"
    echo "figures: $(awk -v a="$before" -v b="$(cpuSeconds "$pid")" 'BEGIN { printf "%.2f", b - a }') \
$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status") $load"
}

# The peer in a window of the display's size, starting at its menu, with a home of its own.
startPeer() {
    export HOME="$scratch/peer" ALSOFT_DRIVERS=null # sound is mixed, into nothing, as ours is
    mkdir -p "$HOME"
    printf 'full_screen 0\nscreenWidth 640\nscreenHeight 480\n' >"$HOME/.chromium-bsu"
    "$PEER" --window >"$scratch/stderr" 2>&1 &
    pid=$!
    waitFor 100 findPeerWindow || fail "the peer's window did not open"
    xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 2 # its menu is up and animating
}

findPeerWindow() {
    window=$(xdotool search --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# Ours: the intro skipped, a name typed at the first start, then the main menu on top.
oursAtMenus() {
    startWithName Bench
    measureFor "$MENU_SECONDS"
}

peerAtMenus() {
    startPeer
    measureFor "$MENU_SECONDS"
}

# Ours: measured from the moment the busiest wave starts.
oursInPlay() {
    "$program" --seed 7 --play "$BUSIEST_WAVE" --autopilot --invulnerable 2>"$scratch/stderr" &
    pid=$!
    waitForGameLoop
    waitFor 300 grep -q "Game digest at wave $BUSIEST_WAVE" "$log" || fail "wave $BUSIEST_WAVE did not start"
    measureFor "$PLAY_SECONDS"
}

# The peer: a new game from its menu, fire held down throughout.
peerInPlay() {
    startPeer
    xdotool key --window "$window" Return
    sleep 1
    xdotool keydown --window "$window" space
    measureFor "$PLAY_SECONDS"
    xdotool keyup --window "$window" space
}

# Prints ours against the peer's ($1 $2 against $3 $4: CPU seconds, peak KiB) and counts the
# targets missed: at most a quarter of its CPU, no more than its memory.
missed=0
compareWithPeer() {
    local verdict
    verdict=$(awk -v c="$1" -v k="$2" -v pc="$3" -v pk="$4" 'BEGIN {
        printf "  ours / peer: CPU %.2f (target <= 0.25), memory %.2f (target <= 1)", c / pc, k / pk
        exit !(c <= pc / 4 && k <= pk) }') || missed=$((missed + 1))
    echo "$verdict"
}

# One scenario ($1) on the virtual display this script was started again on.
inside() {
    program=$2
    useScratchHome
    unset SDL_VIDEODRIVER
    "$1"
}

# Runs scenario $2 on the CPUs $1 on a display of its own; prints "CPU KiB load", or what
# went wrong to the standard error.
runPinned() {
    local output
    output=$(
        taskset -cp "$1" "$BASHPID" >/dev/null
        onVirtualDisplay -s "-screen 0 640x480x24" bash "$0" --inside "$2" "$program"
    )
    sed -n 's/^figures: //p' <<<"$output" | grep . || { echo "$2: $output" >&2; echo "0 0 -"; }
}

if [ "${1:-}" = "--inside" ]; then
    inside "$2" "$3"
    exit 0
fi

program=$(realpath "${1:-build/zelbin-vorlanx}")
requireTools xvfb-run xdotool taskset /usr/bin/time
if [ ! -x "$PEER" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq chromium-bsu >/dev/null
fi

cores=$(nproc)
pinned="$((cores - 2)),$((cores - 1))"
printf '%-30s %-5s %-14s %7s %6s %9s %5s\n' scenario cores program "CPU s" "CPU %" "peak MiB" load
for cpus in "0-$((cores - 1))" "$pinned"; do
    count=$(( $(taskset -c "$cpus" nproc) ))
    for row in "oursAtMenus menus:$MENU_SECONDS zelbin-vorlanx" "peerAtMenus menus:$MENU_SECONDS chromium-bsu" \
        "oursInPlay wave-$BUSIEST_WAVE:$PLAY_SECONDS zelbin-vorlanx" "peerInPlay level-1:$PLAY_SECONDS chromium-bsu"; do
        read -r scenario span name <<<"$row"
        read -r cpu kib load <<<"$(runPinned "$cpus" "$scenario")"
        seconds=${span#*:}
        printf '%-30s %-5s %-14s %7.2f %5.1f%% %9.1f %5s\n' "${span%:*}, ${seconds} s" "$count" "$name" \
            "$cpu" "$(awk -v c="$cpu" -v s="$seconds" 'BEGIN { print 100 * c / s }')" \
            "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')" "$load"
        if [ "$name" = chromium-bsu ]; then
            compareWithPeer "$ourCpu" "$ourKib" "$cpu" "$kib"
        else
            ourCpu=$cpu ourKib=$kib
        fi
    done
done
[ "$missed" = 0 ] && echo "side by side: targets met" || echo "side by side: $missed targets missed"
bash "$(dirname "$0")/whole-game.sh" "$program"
