#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real keys in a real window: thrust moves the view, P freezes the picture, and the chasers
# catch up with a player who has flown away from them.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
# The game outlives the longest wait below on a loaded machine; its limit only ends a hang.
GAME_SECONDS=280 start_game "$data"
find_window 2

# At rest the view stands still: the star field of two screenshots is the same.
rest1=$(shot rest1)
sleep 0.5
rest2=$(shot rest2)
read -r still < <(measure "$rest2" "moved:$rest1")
hold Up 1
read -r moved < <(measure "$(shot flying)" "moved:$rest2")
echo "stars moved at rest $still, after thrust $moved"
at_least 0.25 "$still" || fail "the view moved while the ship stood still ($still)"
at_least "$moved" 0.5 || fail "holding Up did not move the view ($moved)"

hold Down 1
# While P is held the game stands still, picture and all, from the frame that says so.
hold_pause
paused1=$(shot paused1)
sleep 0.7
read -r change < <(measure "$(shot paused2)" "diff:$paused1")
xdotool keyup p
echo "change while paused $change"
at_least 0.0001 "$change" || fail "the picture changed while P was held ($change of it;" \
    "$(measure "$paused1" "diff:$work/paused2.png@0,0,0.4,0.15") of the corner)"

# Let the chasers gather round, fly away from them and brake: the chasers follow the player
# and are in view within some seconds. (Chasers that cannot move are left out of view; see
# ShotsGlow.sh.)
sleep 2
hold Up 3
hold Down 3
# They pass the player and turn back, in view a moment at a time: pictures as often as they can
# be judged, until one shows them.
most=0
chasers_in_view() {
    local now
    read -r now < <(measure "$(shot chase)" chasers)
    [ "$now" -gt "$most" ] && most=$now
    seen="$now chaser pixels (most $most)"
    [ "$now" -ge 200 ]
}
await 120 "chasers in view" chasers_in_view

xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
