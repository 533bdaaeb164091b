#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes README's screenshot, docs/screenshot.png: the real game with the default ships on a
# virtual display of its own, a few seconds in with the player turning and firing, scaled to
# 640x480. Builds the game first unless BUILD (default build) already holds it.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
[ -x "$BUILD/app/starchase" ] && [ -x "$BUILD/tools/shipyard/shipyard" ] || {
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j"$(nproc)" --target starchase shipyard
}
export STARCHASE="$PWD/$BUILD/app/starchase" SHIPYARD="$PWD/$BUILD/tools/shipyard/shipyard"
source tests/e2e/lib.sh
start_display
data=$(default_data)
start_game "$data"
find_window 2
hold Left 0.6
xdotool keydown space
sleep 1.5
image=$(shot screenshot)
xdotool keyup space key Escape
wait_game_exit
mkdir -p docs
/usr/bin/convert "$image" -resize 640x480 -strip -colors 256 docs/screenshot.png
echo "docs/screenshot.png: $(stat -c %s docs/screenshot.png) bytes"
