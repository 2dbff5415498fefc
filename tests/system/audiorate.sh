#!/usr/bin/env bash
# The audio output opens once per start, at the rate the engine settings hold: a fresh install
# at the rate of the quality its sound options show, the options' quality kept for the next
# start, and a rate that no output plays falls back to the default (logged) instead of keeping
# the program from ending. Usage: audiorate.sh PROGRAM.
set -uo pipefail
source "$(dirname "$0")/common.bash"

startHeadless "$1"

# A stuck audio thread ignores SIGTERM, so the bound ends it with SIGKILL.
readonly BOUND_SECONDS=60

# Runs the program for a few frames with the engine settings as they are; fails unless it
# ends with status 0 within the bound.
startBriefly() {
    rm -f "$log"
    timeout -s KILL "$BOUND_SECONDS" "$program" --frames 10 >/dev/null 2>"$scratch/stderr"
    local status=$?
    [ $status -eq 137 ] && fail "$1: the program had not ended after $BOUND_SECONDS s"
    [ $status -eq 0 ] || fail "$1: the program ended with status $status"
}

# A user-data folder without the game's records, whose engine settings hold the rate $1 (none
# when empty).
useRate() {
    rm -f "$folder"/ZV2rmBrumedemo.{hst,pro}
    printf '[VekGraphics]\nbFullScreen=0\n' >"$settings"
    [ -n "$1" ] && printf '[VekAudio]\nfrequency=%s\n' "$1" >>"$settings"
}

# The log's lines that say an output opened, one per line: their rates.
openedRates() { sed -n 's/.*VekAudio::open(): Audio output at \(-\?[0-9]*\) Hz through dummy\.$/\1/p' "$log" | tr '\n' ' '; }

# Fails unless the output opened at the rates $2 and no rate was kept for a later start.
expectRates() {
    [ "$(openedRates)" = "$2" ] || fail "$1: the output opened at: $(openedRates)"
    ! grep -q "from the next start" "$log" || fail "$1: $(grep "from the next start" "$log")"
}

useRate -44100
startBriefly "frequency=-44100"
grep -qF "Setting VekAudio/frequency '-44100' lies outside 11025 to 48000; using 22050." "$log" ||
    fail "frequency=-44100: no fallback to the default in the log"
expectRates "frequency=-44100" "22050 "

# A fresh install plays at its sound options' quality, 22050 Hz, from the first start on.
useRate ""
startBriefly "a fresh install"
expectRates "a fresh install" "22050 "
startBriefly "the start after a fresh install"
expectRates "the start after a fresh install" "22050 "

# Another rate is replaced by the quality's at the start after the one that read it.
useRate 11025
startBriefly "frequency=11025"
[ "$(openedRates)" = "11025 " ] || fail "frequency=11025: the output opened at: $(openedRates)"
grep -qx "frequency=22050" "$settings" || fail "the quality's rate was not kept for the next start"
startBriefly "the next start"
expectRates "the next start" "22050 "

useRate 44100
SDL_AUDIODRIVER=no-such-driver startBriefly "no sound device"
grep -q "No sound device (.*); playing silently\.$" "$log" || fail "no sound device: not said in the log"
! grep -q "Audio output at" "$log" || fail "no sound device: the log names a rate: $(grep "Audio output at" "$log")"
echo "PASSED"
