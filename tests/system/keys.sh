#!/usr/bin/env bash
# Keys typed with xdotool into a real window on a virtual X display arrive as the engine's
# scan codes, and the pointer is found where it stands, also when the window moves under it.
# Usage: keys.sh PROGRAM (the platform test program is found beside it).
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -uo pipefail
source "$(dirname "$0")/common.bash"
tests=$(dirname "$(realpath "$1")")/platform_tests
export SDL_VIDEODRIVER=x11
suppressLibraryLeaks
onVirtualDisplay "$tests" --gtest_filter='XdotoolKeys.*'
