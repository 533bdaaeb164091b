#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Holding T adds a red light: the lit ships and scenery turn red, also while paused.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
find_window 2
# P holds the world still, so the only difference between the two pictures is the T light.
hold_pause
read -r plain < <(measure "$(shot plain)" red:0.2,0.2,0.8,0.8)
xdotool keydown t
turned_red() {
    local red
    read -r red < <(measure "$(shot red)" red:0.2,0.2,0.8,0.8)
    seen="$red red pixels, $plain without T"
    [ "$red" -ge $((plain + 4000)) ]
}
await 30 "the lit ships and scenery turned red" turned_red
xdotool keyup t
xdotool keyup p
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
