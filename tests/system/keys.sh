#!/usr/bin/env bash
# Keys typed with xdotool into a real window on a virtual X display arrive as the engine's
# scan codes. Usage: keys.sh PROGRAM (the platform test program is found beside it).
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
tests=$(dirname "$(realpath "$1")")/platform_tests
for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
        exit 77
    fi
done
export SDL_VIDEODRIVER=x11
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"
exec xvfb-run -a "$tests" --gtest_filter='XdotoolKeys.*'
