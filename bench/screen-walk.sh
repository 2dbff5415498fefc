#!/usr/bin/env bash
# Walks every screen the menus have by real key presses in the real window, once per language,
# and saves a screenshot (F9) of each, then a contact sheet per language, for a person to look
# at: texts that overflow their buttons, overlaps, missing glyphs. A look, not a test: it
# passes or fails nothing but a walk that lost its way. Takes about two minutes a language.
# Usage: bench/screen-walk.sh PROGRAM [FOLDER [LANGUAGE...]]; FOLDER defaults to
# ./screen-walk, the languages (english french german italian spanish japanese korean polish)
# to all eight. FOLDER/LANGUAGE/NN-screen.jpg are the screenshots, FOLDER/LANGUAGE.jpg the sheets.
set -uo pipefail
source "$(dirname "$0")/../tests/system/common.bash"

LANGUAGES=(english french german italian spanish japanese korean polish) # in the order of the rows

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

# Presses the keys and gives the screen they open time to come up.
choose() {
    press "$@"
    sleep 0.6
}

# Puts the pointer in the middle of the window, where key navigation starts from.
fromCentre() {
    read -r width height <<<"$(windowSize)"
    xdotool mousemove --window "$window" $((width / 2)) $((height / 2))
    sleep 0.5 # keys in the two frames after the mouse took over navigation are ignored
}

# A screenshot taken from the X server, for the screens where F9 would be taken as input.
grab() {
    shots=$((shots + 1))
    import -window "$window" "$(printf '%s/%02d-%s.jpg' "$copies" "$shots" "$1")"
    # F9 numbers its pictures on; an empty one keeps the numbers in step with $shots.
    touch "$(printf '%s/ZV2rmBrumedemo-%04d.jpg' "$folder" "$shots")"
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
    choose Return
    grab key-capture
    choose Escape Escape Down Return
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
    choose Escape Right Return
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
    sleep 1
    screenshot language-selection
    local column=$((row % 3)) line=$((row / 3))
    xdotool mousemove --window "$window" $((220 + 100 * column)) $((140 + 100 * line))
    sleep 0.5
    local saves
    saves=$(grep -c 'Global::saveUserData(): Saving.' "$log")
    xdotool click --window "$window" 1
    waitForMainMenu $((saves + 1))
    screenshot main-menu-again
    fromCentre
    choose Escape Left
    screenshot quit-question-main
    press Return
    waitFor 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "yes did not end the program"
    pid=""
}

# One language's walk, on a virtual display: $2 the program, $3 the screenshot folder, $4 the row.
walkLanguage() {
    program=$2
    copies=$3
    row=$4
    shots=0
    useScratchHome
    unset SDL_VIDEODRIVER
    useWebHost "$program" 600
    mkdir -p "$folder" "$copies"
    printf '[Vek]\ndefaultLanguage=%d\n' "$row" >"$folder/ZV2rmBrumedemo.ini"
    "$program" 2>"$scratch/stderr" &
    pid=$!
    walkFirstStart
    walkOptions
    walkHighScores
    walkCreditsAndGame
    walkLanguageAndQuit
}

if [ "${1:-}" = "--inside" ]; then
    walkLanguage "$@"
    exit
fi
requireTools xvfb-run xdotool import montage
program=$(realpath "$1")
out=$(realpath -m "${2:-screen-walk}")
shift $(($# < 2 ? $# : 2))
status=0
for language in "${@:-${LANGUAGES[@]}}"; do
    row=$(languageRow "$language") || { echo "unknown language: $language"; exit 2; }
    rm -rf "${out:?}/$language"
    xvfb-run -a -n $((100 + ($$ + row) % 1000)) bash "$0" --inside "$program" "$out/$language" "$row" ||
        status=1
    montage -label '%t' -pointsize 14 -tile 4x -geometry 640x480+4+4 "$out/$language"/*.jpg "$out/$language.jpg"
    echo "$language: $(ls "$out/$language" | wc -l) screens, sheet $out/$language.jpg"
done
exit $status
