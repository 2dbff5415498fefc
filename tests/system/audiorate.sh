#!/usr/bin/env bash
# The audio output opens once per start, at the rate the engine settings hold: the options'
# quality is kept for the next start, and a rate that no output plays falls back to the
# default (logged) instead of keeping the program from ending. Usage: audiorate.sh PROGRAM.
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

useRate() { printf '[VekGraphics]\nbFullScreen=0\n[VekAudio]\nfrequency=%s\n' "$1" >"$settings"; }

# The log's lines that say an output opened, one per line: their rates.
openedRates() { sed -n 's/.*VekAudio::open(): Audio output at \(-\?[0-9]*\) Hz\.$/\1/p' "$log" | tr '\n' ' '; }

useRate -44100
startBriefly "frequency=-44100"
grep -qF "Setting VekAudio/frequency '-44100' lies outside 11025 to 48000; using 44100." "$log" ||
    fail "frequency=-44100: no fallback to the default in the log"
[ "$(openedRates)" = "44100 " ] || fail "frequency=-44100: the output opened at: $(openedRates)"

# A fresh configuration's quality is 22050 Hz; it is taken at the start after the one that read it.
useRate 11025
startBriefly "frequency=11025"
[ "$(openedRates)" = "11025 " ] || fail "frequency=11025: the output opened at: $(openedRates)"
grep -qx "frequency=22050" "$settings" || fail "the quality's rate was not kept for the next start"
startBriefly "the next start"
[ "$(openedRates)" = "22050 " ] || fail "the next start: the output opened at: $(openedRates)"

SDL_AUDIODRIVER=no-such-driver startBriefly "no sound device"
grep -q "No sound device (.*); playing silently\.$" "$log" || fail "no sound device: not said in the log"
[ -z "$(openedRates)" ] || fail "no sound device: the log says an output opened at: $(openedRates)"
echo "PASSED"
