#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The default game starts and draws stars, the player's ship and the scenery; Escape and a
# window manager's close both end it with status 0; a crash ends it at once.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)

start_game "$data"
find_window 2
expect_opening_scene start
xdotool key Escape
wait_game_exit
expect_status 0
expect_output ""

start_game "$data"
find_window
"$WMCLOSE" "$window"
wait_game_exit
expect_status 0
expect_output ""

# A crash is left to the system (status 139, and a core dump where they are on). Classic SDL's
# own handler would close SDL inside the signal, where it can hang in the GL driver; the
# sanitizers' handler stands aside here so that it cannot hide SDL's.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:handle_segv=0" start_game "$data"
find_window 2 # in the frame loop, where the main thread mostly waits on the GL driver
game=$(game_process)
caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$game/status")
((16#$caught >> 10 & 1)) && fail "something in the game catches SIGSEGV (SigCgt $caught)"
kill -SEGV "$game"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null && sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then
    kill -KILL "$game"
    fail "still running 10 s after a segmentation fault"
fi
wait_game_exit
expect_status 139
echo "ok"
