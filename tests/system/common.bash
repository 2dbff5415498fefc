# What the whole-program checks share; sourced by them (CMake runs only the *.sh scripts).

# Exits 77 (skipped) unless every named tool is installed.
requireTools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
            exit 77
        fi
    done
}

# Exits 77 (skipped) unless the X core fonts are installed, without which SDL shows no error
# box on X11.
requireBoxFonts() {
    if ! dpkg-query -W -f='${Status}' xfonts-base 2>/dev/null | grep -q "install ok installed"; then
        echo "SKIPPED: xfonts-base is not installed (scripts/setup installs it)"
        exit 77
    fi
}

# Runs xvfb-run with the given options and command on a virtual X display of its own, of the
# size $VIRTUAL_SCREEN (as "640x480x24"; 1280 by 1024 when not set); exits 77 (skipped) when
# xvfb-run or xdotool is missing. Checks started together would race for the first free
# display number (each loser's server fails on the winner's lock, and xvfb-run tries the next),
# so each starts its search at its own. An X server resets when its last client leaves, and
# drops every connection it accepted meanwhile: the program started just after a check's
# xdotool, xwininfo or an earlier run of it left then finds no display, the more often the
# busier the machine; this one never resets.
onVirtualDisplay() {
    requireTools xvfb-run xdotool
    exec xvfb-run -a -n $((100 + $$ % 1000)) -s "-screen 0 ${VIRTUAL_SCREEN:-1280x1024x24} -noreset" "$@"
}

# Runs the calling script again on a virtual X display, with "--inside" before the given arguments.
runOnVirtualDisplay() {
    onVirtualDisplay bash "$0" --inside "$@"
}

# The leak checker leaves alone what the system libraries keep until exit.
suppressLibraryLeaks() {
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp"
}

# A scratch folder as the user-data home; removed at exit, after the program started in the
# background ($pid, when set) is killed. Its engine settings ($settings) ask for a window: the
# checks drive a window of a known size, where a fresh install would open the display full
# screen at whatever size the display has.
useScratchHome() {
    scratch=$(mktemp -d)
    pid=""
    trap 'cleanUpScratch' EXIT
    export XDG_DATA_HOME="$scratch/data" SDL_AUDIODRIVER=dummy
    folder="$XDG_DATA_HOME/ZV2rmBrumedemo/3.07"
    log="$folder/ZV2rmBrumedemo.log"
    settings="$folder/ZV2rmBrumedemo.ini"
    mkdir -p "$folder"
    printf '[VekGraphics]\nbFullScreen=0\n' >"$settings"
}

cleanUpScratch() {
    # It writes its log as it ends. One that does not end (a hang, or an error box that waits
    # for OK) would hold the test until its timeout.
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
        waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || killWithBox "$pid"
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}

# Kills process $1 and its children: an error box is a child process, which a hung program
# leaves waiting and which keeps the test's output open.
killWithBox() {
    # shellcheck disable=SC2046  # one child a word
    kill -KILL $(cat /proc/"$1"/task/*/children 2>/dev/null) "$1" 2>/dev/null
}

# Reports a failure with the program's log and what it wrote to $scratch/stderr, and exits 1.
fail() {
    echo "FAILED: $1"
    [ -f "$log" ] && sed 's/^/    log: /' "$log"
    [ -s "$scratch/stderr" ] && sed 's/^/    stderr: /' "$scratch/stderr"
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed, looking once more
# at the end of the wait, so that even a wait of one tenth sees what came during its sleep. The
# command runs anew each time, its arguments do not: a test of what a command prints belongs in a
# function.
waitFor() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Sets $window to the window of the game started in the background ($pid) once there is one.
findWindow() {
    window=$(xdotool search --all --pid "$pid" --name "Zelbin Vorlanx" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# Waits for the program started in the background ($pid) to open its window and enter its loop.
waitForGameLoop() {
    window=""
    waitFor 100 findWindow || fail "the window did not open"
    waitFor 100 grep -q "Entering game loop." "$log" || fail "the engine was not created"
}

# Waits up to ten seconds (or $2 tenths) for the program started in the background ($pid) to
# end, and sets $status to its exit status; otherwise kills it (a hung program may ignore
# SIGTERM) and fails with the message $1.
waitForExit() {
    if ! waitFor "${2:-100}" bash -c "! kill -0 $pid 2>/dev/null"; then
        killWithBox "$pid"
        fail "$1"
    fi
    wait "$pid"
    status=$?
    pid=""
}

# Fails, naming the case $1, unless the program saved the profiles and the high scores.
expectSaved() {
    local file
    for file in ZV2rmBrumedemo.hst ZV2rmBrumedemo.pro; do
        [ -s "$folder/$file" ] || fail "$1: $file was not saved"
    done
}

# Closes the window and waits for the program to end; sets $status to its exit status.
closeWindowAndWait() {
    xdotool windowclose "$window"
    waitForExit "closing the window did not end the program"
}

# Sets $box to the error box on the display once there is one. Found by xwininfo: the box's
# title is a UTF-8 property, which xdotool's search does not read.
findErrorBox() {
    box=$(xwininfo -root -children | awk '$2 == "\"Error\":" { print $1 }' | head -n 1)
    [ -n "$box" ]
}

# Fails, naming the case $1, unless the error box leaves the display within five seconds.
noBox() { ! findErrorBox; }
expectNoBox() { waitFor 50 noBox || fail "$1: the error box stayed"; }

# Sets $boxGroups to the process groups of the error box's processes: each box process is a
# child of the program ($pid) and leads a group of its own, which holds what it starts.
findBoxGroups() { boxGroups=$(ps -o pgid= --ppid "$pid" | xargs | tr ' ' ,); }

# Fails, naming the case $1, unless every process of the box's groups ($boxGroups) is gone
# within five seconds; one ended and waiting to be read (a zombie) counts as gone.
noBoxProcess() { ! pgrep -g "$boxGroups" -r D,R,S,T,t >/dev/null; }
expectNoBoxProcess() {
    [ -n "$boxGroups" ] || fail "$1: no box process was found"
    waitFor 50 noBoxProcess || fail "$1: a box process stayed: $(pgrep -a -g "$boxGroups")"
}

# The error box's position and size once it is shown, as "X Y W H".
boxGeometry() {
    xwininfo -id "$box" 2>/dev/null | awk '/Map State: IsViewable/ {shown = 1}
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} /Width/ {w = $NF} /Height/ {h = $NF}
        END {if (shown) print x, y, w, h}'
}

# Sets $geometry to the error box's (boxGeometry) once it is shown: its window is made, and
# found, before it is mapped.
boxShown() {
    geometry=$(boxGeometry)
    [ -n "$geometry" ]
}

# Waits for the error box of the program started in the background ($pid), naming the case $1,
# and fails unless it lies wholly on the display, where a player can read all of it.
waitForErrorBox() {
    waitFor 100 findErrorBox || fail "$1: no error box"
    local geometry x y width height
    waitFor 50 boxShown || fail "$1: the error box was not shown"
    read -r x y width height <<<"$geometry"
    read -r displayWidth displayHeight <<<"$(xdotool getdisplaygeometry)"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le "$displayWidth" ] &&
        [ $((y + height)) -le "$displayHeight" ] ||
        fail "$1: the error box (X Y W H: $geometry) runs off the $displayWidth x $displayHeight display"
}

# Waits for the error box of the program started in the background ($pid), closes it as a
# player would (Return, on its only button) and waits for the program to end; sets $status.
closeErrorBoxAndWait() {
    waitForErrorBox "$1"
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    waitForExit "$1: closing the error box did not end the program"
}

# The start of a check without a window: $program from the first argument, a scratch home,
# the offscreen driver and the leak checker's exceptions.
startHeadless() {
    program=$(realpath "$1")
    useScratchHome
    export SDL_VIDEODRIVER=offscreen
    suppressLibraryLeaks
}

# The start of a walk-through by keys in the real window: the script runs again on a virtual
# display, then $program and $copies (a folder for screenshots, may be empty) come from its
# arguments, with a scratch home and the leak checker's exceptions.
startWalkThrough() {
    [ "${1:-}" != "--inside" ] && runOnVirtualDisplay "$(realpath "$1")" "${2:-}"
    program=$2
    copies=$3
    useScratchHome
    unset SDL_VIDEODRIVER
    suppressLibraryLeaks
}

# A walk-through that reads the program's error boxes: on the smallest display the game runs
# on (640 by 480), where each box must fit; exits 77 (skipped) without zenity, which shows the
# boxes, or the X core fonts of SDL's own box.
startBoxWalkThrough() {
    requireTools zenity
    requireBoxFonts
    export VIRTUAL_SCREEN=640x480x24
    startWalkThrough "$@"
}

# Presses the keys in the game's window, one at a time.
press() { for key in "$@"; do xdotool key --window "$window" "$key"; sleep 0.3; done; }

# Waits until the main menu has been on top $1 times (it saves the user data each time),
# skipping with Escape each intro that the log shows on the way. A restart loads everything
# again, which takes a sanitized build on a busy machine well over ten seconds.
waitForMainMenu() {
    local _
    for _ in $(seq 300); do
        while [ "$(grep -c 'Playing the intro.' "$log")" -gt "${introsSkipped:=0}" ]; do
            xdotool key --window "$window" Escape
            introsSkipped=$((introsSkipped + 1))
        done
        if [ "$(grep -c 'Global::saveUserData(): Saving.' "$log")" -ge "$1" ]; then
            sleep 0.5
            return 0
        fi
        sleep 0.1
    done
    fail "the main menu did not come on top a ${1}. time"
}

# Starts $program in the background ($pid) for the first time: the intro skipped, the name $1
# typed at the question, until the main menu is on top with that player.
startWithName() {
    "$program" 2>"$scratch/stderr" &
    pid=$!
    waitForGameLoop
    xdotool windowfocus --sync "$window" 2>/dev/null
    waitForMainMenu 1
    answerName "$1"
    waitForMainMenu 2
}

# Types the name $1 and Return at the question of a first start, once frames have passed with it
# on top: text typed before would reach the screen under it.
answerName() {
    letFramesPass 2 "the name question came"
    xdotool type --window "$window" --delay 100 "$1"
    xdotool key --window "$window" Return
}

# The number of screenshots in the user-data folder.
countScreenshots() { find "$folder" -maxdepth 1 -name 'ZV2rmBrumedemo-*.jpg' | wc -l; }

# Whether there are more screenshots than $1.
hasMoreScreenshots() { [ "$(countScreenshots)" -gt "$1" ]; }

# F9, then waits for the screenshot that the frame which reads it saves: every key pressed
# before has been read by then, and a key pressed after is read in a later frame, however slow
# the frames are. A key read in two frames running reads as held, so an F9 in the frame after
# the last fence's takes no picture: it is pressed again after twice the wait each time (up to
# 25 s in all), until one lands in a later frame. Sets $picture to the newest screenshot; $1
# names what it shows, for the failure.
frameFence() {
    local before tenths
    before=$(countScreenshots)
    for tenths in 1 2 4 8 16 32 64 128; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended before $1"
        xdotool key --window "$window" F9
        if waitFor "$tenths" hasMoreScreenshots "$before"; then
            picture=$(find "$folder" -maxdepth 1 -name 'ZV2rmBrumedemo-*.jpg' | sort | tail -n 1)
            return 0
        fi
    done
    fail "F9 saved no screenshot of $1"
}

# Lets $1 frames read what was sent to the window before (each fenced by a screenshot); $2 names
# what they follow, for the failure.
letFramesPass() {
    local _
    for _ in $(seq "$1"); do frameFence "a frame after $2"; done
}

# Presses the keys one at a time, each pressed once the one before has done all it does, however
# slow the frames: a key that opens a screen has opened it when the next comes, and two presses
# of one key are never read as one.
pressInTurn() {
    local key
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        letFramesPass "$(framesToAct "$key")" "$key"
    done
}

# How many frames, from the one that reads it, a key in the menus takes to act: Return, and a
# click, goes down in the next frame and up in the one after, and a screen that a key opens or
# closes is on top from the frame after. Each key leaves a frame free of itself after the one
# that reads it, where it would otherwise read as held down.
framesToAct() { case $1 in Return | click) echo 3 ;; *) echo 2 ;; esac; }

# Puts the mouse at $1 $2 in the window and lets two frames pass: the frame that reads the move
# may hand the menus over to the pointer, and they ignore keys in that frame and the next.
pointAt() {
    xdotool mousemove --window "$window" "$1" "$2"
    letFramesPass 2 "the pointer moved"
}

# Clicks the left button at $1 $2 in the window once the pointer rests there, and lets the click
# act as a key does.
clickAt() {
    pointAt "$1" "$2"
    xdotool click 1
    letFramesPass "$(framesToAct click)" "the click"
}

# A screenshot (F9, a JPEG saved in the user-data folder); with a copy folder ($copies) it is
# copied there as NN-$1.jpg (NN counts the screenshots).
screenshot() {
    shots=$((${shots:-0} + 1))
    frameFence "$1"
    [ "$(head -c 3 "$picture" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail "the screenshot of $1 is no JPEG"
    if [ -n "$copies" ]; then cp "$picture" "$(printf '%s/%02d-%s.jpg' "$copies" "$shots" "$1")"; fi
}

# From the main menu by keys: the start button, a new game, its star map skipped, until the
# opening interlude plays.
startNewGame() {
    pointAt 320 240
    pressInTurn Down Return
    screenshot game-start
    press Return
    waitFor 50 grep -q "Showing the star map to system 0." "$log" || fail "the new game did not show the star map"
    sleep 3 # the ship flies in after the map fades in
    screenshot star-map
    press Escape
    waitFor 50 grep -q "Playing CutsceneBurgerJoint." "$log" || fail "the star map did not lead to the opening"
    sleep 1
    screenshot opening
}

# Starts the web host ($hostPid; it stops by itself after $2 seconds, further arguments are its
# own options) holding what it receives in $received, and points $program at a copy of $1 that
# reads the host's address from the static settings beside itself.
useWebHost() {
    local build
    build=$(dirname "$1")
    received="$scratch/host"
    "$build/tools/webhost/webhost" --folder "$received" --port-file "$scratch/port" --lifetime "$2" "${@:3}" >/dev/null &
    hostPid=$!
    trap 'kill "$hostPid" 2>/dev/null; cleanUpScratch' EXIT
    waitFor 50 test -s "$scratch/port" || fail "the web host did not start"
    local game="$scratch/game"
    mkdir -p "$game"
    cp "$1" "$game/"
    ln -s "$build"/ZV2rmBrumedemo.dat* "$game/"
    sed "s|^host=.*|host=http://127.0.0.1:$(cat "$scratch/port")|" "$build/ZV2rmBrumedemo.ini" >"$game/ZV2rmBrumedemo.ini"
    program="$game/$(basename "$1")"
}
