#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# After F2, F1 and a resize the picture is whole: lit, textured, the ship at the centre.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
find_window 2

check_picture() { # NAME [root]
    local image lit colours
    image=$(shot "$@")
    read -r lit colours < <(measure "$image" lit:0.4,0.4,0.6,0.6 colours:0.4,0.4,0.6,0.6)
    echo "$1: lit=$lit colours=$colours"
    at_least "$lit" 0.2 || fail "$1: the centre is dark ($lit lit)"
    [ "$colours" -ge 40 ] || fail "$1: only $colours colours: not lit and textured"
}

check_picture start
xdotool key F2
sleep 1.5
find_window 0.5
check_picture after-F2
xdotool key F1
sleep 1.5
check_picture after-F1 root
xdotool key F2
sleep 1
find_window 0.5
xdotool windowsize --sync "$window" 800 500 || fail "resize"
sleep 1.5
check_picture after-resize
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
