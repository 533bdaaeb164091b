#!/usr/bin/env bash
# Real keys in a real window: thrust moves the view, shots glow blue, P freezes the picture,
# and the chasers catch up with a player who has flown away from them.
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

# Stop again, so that the view (blue solar panels and all) stands still around the shots.
hold Down 1
read -r blueBefore < <(measure "$(shot before-fire)" blue:0.2,0.2,0.8,0.8)
# A shot glows only in its first 0.3 seconds: look several times while firing.
xdotool keydown space
blueFiring=0
for i in $(seq 8); do
    sleep 0.1
    read -r blue < <(measure "$(shot "firing$i")" blue:0.2,0.2,0.8,0.8)
    [ "$blue" -gt "$blueFiring" ] && blueFiring=$blue
done
xdotool keyup space
echo "blue pixels before firing $blueBefore, most while firing $blueFiring"
[ "$blueFiring" -ge $((blueBefore + 400)) ] || fail "no blue glow from the shots"

xdotool keydown p
sleep 0.3
paused1=$(shot paused1)
sleep 0.7
read -r change < <(measure "$(shot paused2)" "diff:$paused1")
xdotool keyup p
echo "change while paused $change"
at_least 0.0001 "$change" || fail "the picture changed while P was held ($change)"

# Fly away, stop, and wait: the chasers steer after the player and come into view.
hold Up 2.5
hold Down 2.5
read -r away < <(measure "$(shot away)" chasers)
best=$away
for i in $(seq 24); do
    sleep 0.5
    read -r now < <(measure "$(shot "chase$i")" chasers)
    [ "$now" -gt "$best" ] && best=$now
    [ "$best" -ge $((away + 400)) ] && break
done
echo "chaser pixels after flying away $away, most while waiting $best"
[ "$best" -ge $((away + 400)) ] || fail "no chaser came into view"

xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
