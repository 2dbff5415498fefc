#!/usr/bin/env bash
# Walks every screen the menus have by real key presses in the real window, once per display
# size, display mode and language, and saves a screenshot (F9) of each, then contact sheets
# per walk, for a person to look at: texts that overflow their buttons, overlap other items or
# leave the screen, missing glyphs. A look, not a test: it passes or fails nothing but a walk
# that lost its way. One walk takes two to four minutes; several run side by side.
# Usage: bench/screen-walk.sh PROGRAM [FOLDER [FILTER...]]. FOLDER defaults to ./screen-walk.
# Each FILTER word narrows one dimension to the named values (all of them when none is named):
#   display sizes  640x480 800x600 1024x768 1280x1024 1920x1080 (any WxH is taken)
#   display modes  window (a window of that size), letterbox (full screen with bars),
#                  stretched (full screen, the layout widened or heightened to the display)
#   languages      english french german italian spanish japanese korean polish
# WALK_JOBS (default 3) runs that many walks at once, each on a virtual display of its own.
# FOLDER/SIZE-MODE/LANGUAGE/NN-screen.jpg are the screenshots, FOLDER/SIZE-MODE-LANGUAGE-N.jpg
# the sheets, twelve screens to a sheet.
set -uo pipefail
source "$(dirname "$0")/../tests/system/common.bash"

LANGUAGES=(english french german italian spanish japanese korean polish) # in the order of the rows
SIZES=(640x480 800x600 1024x768 1280x1024 1920x1080)
MODES=(window letterbox stretched)
WINDOW_MARGIN=64 # pixels of the virtual screen around a window, so that it never fills the screen
SHEET_COLUMNS=3
SHEET_ROWS=4
SHEET_CELL_WIDTH=640 # pixels of a screenshot on a sheet, where the small font stays readable

# The settings row of the named language.
languageRow() {
    local row
    for row in "${!LANGUAGES[@]}"; do
        [ "${LANGUAGES[$row]}" = "$1" ] && echo "$row" && return 0
    done
    return 1
}

# The window's width and height in pixels, as "W H".
windowSize() {
    xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH/ {w = $2} /HEIGHT/ {h = $2} END {print w, h}'
}

# True when the log holds more lines with the text $1 than $2.
loggedMore() {
    [ "$(grep -cF "$1" "$log")" -gt "$2" ]
}

# F9, and once the game has saved the picture its path in $shot. The picture is taken while a
# frame is drawn, so every key and pointer move sent before it has been read by then. The game
# reads a key as pressed only when it was up in the frame before: an F9 in the frame right
# after the last one's is lost, and so is one sent while the display restarts or to the window
# a restart replaced. So F9 waits a moment, and goes again while no picture comes.
takePicture() {
    local before try
    before=$(grep -cF "Screenshot saved to" "$log")
    for try in $(seq 30); do
        sleep 0.05
        xdotool key --window "$window" F9 2>/dev/null
        waitFor 10 loggedMore "Screenshot saved to" "$before" && break
        findWindow
    done
    loggedMore "Screenshot saved to" "$before" || fail "F9 saved no screenshot"
    shot=$(grep "Screenshot saved to" "$log" | tail -n 1 | sed 's/.*Screenshot saved to \(.*\)\.$/\1/')
}

# Waits until the game has drawn $1 frames more (one when not given): a walk paced by the clock
# loses keys on a busy machine, where two presses of a key fall into one frame, or into frames
# one after the other (the second reads as held), or a key comes before the screen that should
# take it. Each F9 is read in a later frame than the one before; the pictures are emptied, and
# kept only so that F9 numbers on.
settle() {
    local frame
    for ((frame = 0; frame < ${1:-1}; frame++)); do
        takePicture
        : >"$shot"
    done
}

# F9, and the picture copied to the walk's folder as NN-$1.jpg (NN counts the pictures kept).
screenshot() {
    takePicture
    [ "$(head -c 3 "$shot" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail "the screenshot of $1 is no JPEG"
    kept=$((kept + 1))
    cp "$shot" "$(printf '%s/%02d-%s.jpg' "$copies" "$kept" "$1")"
}

# The frames a key needs before the next: two, so that the same key again is a new press; a
# confirm clicks when it is released, a frame after its press, and the screen it opens or
# closes takes the top in the frames after that.
framesAfter() {
    case "$1" in
    Return) echo 6 ;;
    Escape) echo 3 ;;
    *) echo 2 ;;
    esac
}

# Presses the keys, each in a frame of its own, and waits until the screen they lead to is up.
choose() {
    local key
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        settle "$(framesAfter "$key")"
    done
    settle 2
}

# Puts the pointer in the middle of the window, where key navigation starts from.
fromCentre() {
    read -r width height <<<"$(windowSize)"
    xdotool mousemove --window "$window" $((width / 2)) $((height / 2))
    settle 3 # keys in the two frames after the mouse took over navigation are ignored
}

# Clicks at a point of the menus' layout (units, origin at the screen's centre, y up), placed
# on the window as the engine places its screen: with letterbox the 640 by 480 field fitted and
# centred, without it stretched over the whole window.
clickAt() {
    local width height x y
    read -r width height <<<"$(windowSize)"
    read -r x y <<<"$(awk -v x="$1" -v y="$2" -v w="$width" -v h="$height" -v box="$letterbox" 'BEGIN {
        sw = 640; sh = 480
        if (w * 480 > h * 640) { if (box) s = h / 480; else sw = w * 480 / h }
        else { if (box) s = w / 640; else if (h * 640 > w * 480) sh = h * 640 / w }
        if (box) { sx = s; sy = s } else { sx = w / sw; sy = h / sh }
        printf "%d %d\n", w / 2 + x * sx, h / 2 - y * sy }')"
    xdotool mousemove --window "$window" "$x" "$y"
    settle 2
    xdotool mousedown --window "$window" 1
    settle # press and release in frames of their own
    xdotool mouseup --window "$window" 1
    settle 2
}

# Switches full screen and letterbox on the advanced graphics screen when they differ from
# what $mode wants, and waits until the display has restarted with them. The engine's first
# log line about the display says whether it opened full screen; letterbox is on by default.
useDisplayMode() {
    local wantFull=1 full=0 restarts
    [ "$mode" = window ] && wantFull=0
    grep -q "Display [0-9]* x [0-9]* full screen" "$log" && full=1
    [ "$full" = "$wantFull" ] && [ "$mode" != stretched ] && return 0
    fromCentre
    choose Down Down Down Return # the options, the graphics, the advanced graphics
    choose Down Down Return
    choose Right Down Return
    [ "$full" = "$wantFull" ] || clickAt -103 25
    if [ "$mode" = stretched ]; then
        clickAt 103 25 # enabled in the frame after full screen went on
        letterbox=0
    fi
    restarts=$(grep -cF "Restarting to apply configuration." "$log")
    choose Escape Escape Escape
    waitFor 300 loggedMore "Restarting to apply configuration." "$restarts" ||
        fail "leaving the advanced graphics did not apply the display mode"
    settle 5
}

# A screenshot taken from the X server, for the screens where F9 would be taken as input.
grab() {
    kept=$((kept + 1))
    import -window "$window" "$(printf '%s/%02d-%s.jpg' "$copies" "$kept" "$1")"
}

# The first start: the intro, the name asked for, the main menu.
walkFirstStart() {
    waitForGameLoop
    xdotool windowfocus --sync "$window" 2>/dev/null
    waitForMainMenu 1
    screenshot name-entry
    xdotool type --window "$window" --delay 100 "Kira"
    press Return
    waitForMainMenu 2
    useDisplayMode
    screenshot main-menu
    fromCentre
    choose Up Return
    screenshot players
    choose Escape
}

# Options and every screen below them; the network wizard runs its test against the web host.
walkOptions() {
    fromCentre
    choose Down Down Down Return
    screenshot options
    choose Return
    screenshot gameplay
    choose Escape Down Return
    screenshot controls
    choose Return
    screenshot touchscreen
    choose Escape Down Return
    screenshot keyboard
    choose Down Return
    screenshot key-bindings-player-1
    # The capture takes any key, F9 too, so the clock paces this one step.
    xdotool key --window "$window" Return
    sleep 2
    grab key-capture
    xdotool key --window "$window" Escape
    sleep 1
    choose Escape Down Return
    screenshot key-bindings-player-2
    choose Escape Escape Down Return
    screenshot mouse
    choose Escape Down Return
    screenshot joystick
    choose Down Return
    screenshot joystick-bindings-player-1
    choose Escape Escape Escape Down Return
    screenshot graphics
    choose Right Down Return
    screenshot advanced-graphics
    choose Escape Escape Down Return
    screenshot sound
    choose Escape Down Return
    screenshot network-wizard
    choose Return
    screenshot network-wizard-help
    choose Escape Right
    if [ "$mode" != window ]; then # the test on the full screen, not on the desktop
        choose Up
        screenshot network-wizard-desktop
        choose Return Down
    fi
    choose Return
    waitFor 100 grep -qF "> Hello from the test host." "$log" || fail "the connection test failed"
    screenshot network-test
    choose Return
    screenshot network-configuration
    choose Right Down Return
    screenshot options-after-wizard
    choose Down Down Return
    screenshot help
    choose Escape Escape
}

# The high scores, their options, the upload to the web host and the question before a reset.
walkHighScores() {
    fromCentre
    choose Down Down Return
    screenshot high-scores
    choose Return
    screenshot high-score-options
    choose Down Return
    screenshot upload-scores
    choose Right Return
    waitFor 100 grep -qF "> Received 10 scores" "$log" || fail "the scores were not uploaded"
    screenshot upload-done
    choose Return Down Return
    screenshot reset-question
    choose Right Return Escape Escape
}

# The credits, and the game start, a game's first wave and its pause.
walkCreditsAndGame() {
    fromCentre
    choose Down Down Down Down Return
    sleep 4 # the credits scroll in from below
    screenshot credits
    sleep 6
    screenshot credits-later
    choose Escape
    fromCentre
    choose Down Return
    screenshot game-start
    choose Return
    waitFor 200 grep -q "Playing CutsceneBurgerJoint" "$log" || fail "the game did not begin"
    sleep 1.5
    screenshot players-join
    press space
    waitFor 200 grep -q "Game digest at wave 1" "$log" || fail "the first wave did not begin"
    sleep 0.5
    screenshot first-wave
    choose Escape
    screenshot pause
    choose Down Return
    screenshot quit-question
    local saves
    saves=$(grep -c 'Global::saveUserData(): Saving.' "$log")
    press Return
    waitForMainMenu $((saves + 1))
}

# The language selection from the options, where the mouse picks the walk's own language again;
# the program starts again with it. Then the question before quitting, answered with yes.
walkLanguageAndQuit() {
    fromCentre
    choose Down Down Down Return Down Down Down Down Down Return
    waitFor 100 grep -q "Multilanguage mode (-1)." "$log" || fail "the language button did not restart the program"
    waitFor 100 findWindow || fail "no window after the restart"
    settle 3
    screenshot language-selection
    # The eight flags stand in three rows of three around the middle one.
    local column=$((row % 3)) line=$((row / 3)) keys=()
    [ "$column" = 0 ] && keys+=(Left)
    [ "$column" = 2 ] && keys+=(Right)
    [ "$line" = 0 ] && keys+=(Up)
    [ "$line" = 2 ] && keys+=(Down)
    fromCentre
    local saves
    saves=$(grep -c 'Global::saveUserData(): Saving.' "$log")
    if [ ${#keys[@]} -eq 0 ]; then
        xdotool click --window "$window" 1 # the middle flag is under the pointer
    else
        choose "${keys[@]}"
        press Return # the program starts again: no frames to wait for
    fi
    waitForMainMenu $((saves + 1))
    screenshot main-menu-again
    fromCentre
    choose Escape Left
    screenshot quit-question-main
    press Return
    waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "yes did not end the program"
    pid=""
}

# One walk, on a virtual display: $2 the program, $3 the screenshot folder, $4 the language's
# row, $5 the display size (WxH), $6 the display mode.
walkLanguage() {
    program=$2
    copies=$3
    row=$4
    mode=$6
    letterbox=1
    kept=0
    useScratchHome
    unset SDL_VIDEODRIVER
    useWebHost "$program" 900
    mkdir -p "$folder" "$copies"
    # The scratch home's settings ask for a window; the walk switches full screen by clicks.
    printf '[Vek]\ndefaultLanguage=%d\n[VekGraphics]\nbFullScreen=0\nvideoModeWidth=%d\nvideoModeHeight=%d\n' \
        "$row" "${5%x*}" "${5#*x}" >"$settings"
    "$program" 2>"$scratch/stderr" &
    pid=$!
    walkFirstStart
    walkOptions
    walkHighScores
    walkCreditsAndGame
    walkLanguageAndQuit
}

# The sheets of the screenshots in the folder $1, as $2-1.jpg, $2-2.jpg and so on; the cells
# take the shape of the walk's last screenshot, which is the display's.
contactSheets() {
    local shots=("$1"/*.jpg) perSheet=$((SHEET_COLUMNS * SHEET_ROWS)) first width height
    [ -e "${shots[0]}" ] || return 0
    read -r width height <<<"$(identify -format '%w %h' "${shots[-1]}")"
    for ((first = 0; first < ${#shots[@]}; first += perSheet)); do
        montage -font DejaVu-Sans -label '%t' -pointsize 14 -tile "${SHEET_COLUMNS}x$SHEET_ROWS" \
            -geometry "${SHEET_CELL_WIDTH}x$((SHEET_CELL_WIDTH * height / width))+4+4" \
            "${shots[@]:first:perSheet}" "$2-$((first / perSheet + 1)).jpg" 2>/dev/null
    done
}

# One walk on a virtual display of its own, then its contact sheets: $1 the run's number, then
# the size, the mode and the language.
walkOnDisplay() {
    local size=$2 mode=$3 language=$4 screen=$2 run="$out/$2-$3"
    [ "$mode" = window ] && screen="$((${size%x*} + WINDOW_MARGIN))x$((${size#*x} + WINDOW_MARGIN))"
    rm -rf "${run:?}/$language"
    mkdir -p "$run"
    local status=0
    xvfb-run -a -n $((100 + ($$ + 37 * $1) % 1000)) -s "-screen 0 ${screen}x24" \
        bash "$0" --inside "$program" "$run/$language" "$(languageRow "$language")" "$size" "$mode" \
        >"$run/$language.log" 2>&1 || status=1
    rm -f "$out/$size-$mode-$language"-*.jpg
    contactSheets "$run/$language" "$out/$size-$mode-$language"
    echo "$size $mode $language: $(ls "$run/$language" | wc -l) screens, sheets $out/$size-$mode-$language-*.jpg" \
        "$([ $status = 0 ] || echo "- LOST ITS WAY, see $run/$language.log")"
    return $status
}

# Keeps the value words of $2... that are in the list named $1, or the whole list when none is.
pick() {
    local -n all=$1
    shift
    local word chosen=()
    for word in "$@"; do
        [[ " ${all[*]} " == *" $word "* ]] && chosen+=("$word")
    done
    [ ${#chosen[@]} -eq 0 ] && chosen=("${all[@]}")
    echo "${chosen[@]}"
}

# Every walk the filter words ask for, WALK_JOBS at a time; fails when one lost its way.
walkAll() {
    requireTools xvfb-run xdotool import montage identify
    program=$(realpath "$1")
    out=$(realpath -m "${2:-screen-walk}")
    shift $(($# < 2 ? $# : 2))
    local word size mode language status=0 runs=0
    for word in "$@"; do
        [[ "$word" =~ ^[0-9]+x[0-9]+$ ]] && [[ " ${SIZES[*]} " != *" $word "* ]] && SIZES+=("$word")
        [[ " ${SIZES[*]} ${MODES[*]} ${LANGUAGES[*]} " == *" $word "* ]] || { echo "unknown filter: $word"; return 2; }
    done
    read -ra sizes <<<"$(pick SIZES "$@")"
    read -ra modes <<<"$(pick MODES "$@")"
    read -ra languages <<<"$(pick LANGUAGES "$@")"
    for size in "${sizes[@]}"; do
        for mode in "${modes[@]}"; do
            for language in "${languages[@]}"; do
                while [ "$(jobs -rp | wc -l)" -ge "${WALK_JOBS:-3}" ]; do wait -n || status=1; done
                runs=$((runs + 1))
                walkOnDisplay "$runs" "$size" "$mode" "$language" &
                sleep 2 # the virtual displays start one after another
            done
        done
    done
    while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || status=1; done
    return $status
}

# One compound command: a walk that stops on an error never runs on into the other branch.
if [ "${1:-}" = "--inside" ]; then
    walkLanguage "$@"
else
    walkAll "$@"
fi
