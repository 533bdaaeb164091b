#!/usr/bin/env bash
# Holding T adds a red light: the lit ships and scenery turn red.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
start_game "$data"
find_window 2
read -r r0 g0 b0 < <(measure "$(shot plain)" mean:0.3,0.3,0.7,0.7)
xdotool keydown t
sleep 1
read -r r1 g1 b1 < <(measure "$(shot red)" mean:0.3,0.3,0.7,0.7)
xdotool keyup t
echo "plain $r0 $g0 $b0, with T $r1 $g1 $b1"
at_least "$r1" "$(python3 -c "print($r0 + 10)")" || fail "red did not rise"
at_least "$(python3 -c "print($r1 - $g1)")" "$(python3 -c "print($r0 - $g0 + 10)")" ||
    fail "the picture did not turn red"
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
