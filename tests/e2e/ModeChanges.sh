#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# After F2, F1 and a resize the picture is whole: lit, textured, the ship at the centre.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
find_window 2

# A CHECK for await: the picture's centre is lit and textured.
whole_picture() { # NAME [root]
    local lit colours
    read -r lit colours < <(measure "$(shot "$@")" lit:0.4,0.4,0.6,0.6 colours:0.4,0.4,0.6,0.6)
    seen="centre $lit lit, $colours colours"
    at_least "$lit" 0.2 && [ "$colours" -ge 40 ]
}

await 30 "a whole picture at the start" whole_picture start
xdotool key F2
sleep 1.5
find_window 0.5
await 30 "a whole picture after F2" whole_picture after-F2
xdotool key F1
await 30 "a whole picture after F1" whole_picture after-F1 root
xdotool key F2
sleep 1
find_window 0.5
xdotool windowsize --sync "$window" 800 500 || fail "resize"
await 30 "a whole picture after the resize" whole_picture after-resize
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
