#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Holding T adds a red light: the lit ships and scenery turn red, also while paused.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
find_window 2
# P holds the world still, so the only difference between the two pictures is the T light.
xdotool keydown p
sleep 0.3
read -r plain < <(measure "$(shot plain)" red:0.2,0.2,0.8,0.8)
xdotool keydown t
sleep 0.5
read -r red < <(measure "$(shot red)" red:0.2,0.2,0.8,0.8)
xdotool keyup t
xdotool keyup p
echo "red pixels without T $plain, with T $red"
[ "$red" -ge $((plain + 4000)) ] || fail "the lit ships and scenery did not turn red"
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
