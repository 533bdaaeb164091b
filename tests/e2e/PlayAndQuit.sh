#!/usr/bin/env bash
# The default game starts and draws stars, the player's ship and the scenery; Escape and a
# window manager's close both end it with status 0.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)

start_game "$data"
find_window 2
image=$(shot start)
read -r stars centre wide < <(measure "$image" stars lit:0.47,0.45,0.53,0.55 lit:0.1,0.1,0.9,0.9)
echo "stars=$stars centre=$centre wide=$wide"
[ "$stars" -ge 8 ] || fail "only $stars stars"
at_least "$centre" 0.3 || fail "no player's ship at the centre ($centre lit)"
at_least "$wide" 0.2 || fail "no scenery below ($wide lit)"
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
echo "ok"
