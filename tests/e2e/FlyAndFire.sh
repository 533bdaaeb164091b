#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real keys in a real window: thrust moves the view, P freezes the picture, and the chasers
# catch up with a player who has flown away from them.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
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
# While P is held the game stands still, picture and all.

# A loaded machine (a sanitizer build) can take a few frames to see the key: wait for it.
xdotool keydown p
sleep 1
paused1=$(shot paused1)
sleep 0.7
read -r change < <(measure "$(shot paused2)" "diff:$paused1")
xdotool keyup p
echo "change while paused $change"
at_least 0.0001 "$change" || fail "the picture changed while P was held ($change)"

# Let the chasers gather round, fly away from them and brake: the chasers follow the player
# and are in view within some seconds. (Chasers that cannot move are left out of view; see
# ShotsGlow.sh.)
sleep 2
hold Up 3
hold Down 3
best=0
for i in $(seq 40); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended while the chasers were awaited"
    read -r now < <(measure "$(shot "chase$i")" chasers)
    [ "$now" -gt "$best" ] && best=$now
    [ "$best" -ge 200 ] && break
    sleep 0.5
done
echo "chaser pixels in view after flying away: most $best"
[ "$best" -ge 200 ] || fail "no chaser came into view"

xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
