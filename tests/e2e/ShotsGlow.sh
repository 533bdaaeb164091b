#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real keys in a real window: the player's new shots light the ship blue, and the light fades.
# The chasers stand still here: near the player their hulls and their own shots' light would
# colour the same pixels.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
still_chasers "$data"
start_game "$data"
find_window 2

# Leave the chasers and the station behind.
hold Up 3
hold Down 3
read -r chasers < <(measure "$(shot away)" chasers)
echo "chaser pixels in view after flying away $chasers"
[ "$chasers" -lt 100 ] || fail "chasers that cannot move followed the player"

# The player's ship is always at the centre of the view; the glow fades once the key is up.
read -r before < <(measure "$(shot before-fire)" $ship_centre)
bluest=$(bluest_while space "$before")
echo "blue pixels on the ship before firing $before, most while firing $bluest"
[ "$bluest" -ge $((before + 250)) ] || fail "no blue glow from the shots"

xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
