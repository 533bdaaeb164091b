#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A played demo studied with its own keys ends on the line `shipyard replay` gives: the pilot's
# demo (tests/data/pilot.demo) played at x4, which the corner says, ends well before its
# recorded 55 s; played paused, stepped a frame at a time (the corner counts the frames, and a
# paused demo stays where it is), from the start again and then as fast as it replays, it ends on
# the same single line. Space, Left and Right fly nothing in a played demo: they pause it and
# change its speed.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
pilot="$here/../data/pilot.demo"
expected=$("$SHIPYARD" replay --data "$data" "$pilot") || fail "shipyard replay"
echo "replayed: $expected"

# The corner's demo line, as tesseract reads it from a new screenshot, and the frame it names.
demo_line() { read_text "$(shot "$1")" 0 0 0.7 0.12 | tr -s ' \n' ' '; }
frame_of() { sed -n 's/.*frame \([0-9]*\) of 1376.*/\1/p' <<<"$1"; }
# A CHECK for await: the demo line reads TEXT (and, given, names frame FRAME).
demo_reads() { # SHOT-NAME TEXT [FRAME]
    seen=$(demo_line "$1")
    [[ $seen == *"$2"* ]] && { [ -z "${3:-}" ] || [ "$(frame_of "$seen")" = "$3" ]; }
}

# At x4: two presses of Right from x1.
GAME_SECONDS=200 start_game "$data" --play "$pilot"
find_window 1
xdotool key Right Right
faster=$(date +%s)
await 10 "x4 in the corner" demo_reads x4 "Demo x4, "
wait_game_exit
took=$(($(date +%s) - faster))
echo "55 s of the demo played at x4 in $took s"
expect_status 0
expect_output "$expected"
# At x4 the 53 s left take 14 s; a loaded machine may draw slowly, but the frames due are stepped
# between two drawn frames, so even then it is far from the recorded pace.
[ "$took" -lt 40 ] || fail "at x4 the demo took $took s"

# Paused at once, then stepped: the frame count moves by the steps and by nothing else.
start_game "$data" --play "$pilot"
find_window 0.3
xdotool key space
await 10 "the pause in the corner" demo_reads paused "Demo x1, paused, "
paused=$(frame_of "$seen")
sleep 1
[ -n "$paused" ] && [ "$(frame_of "$(demo_line still)")" = "$paused" ] ||
    fail "the paused demo did not stay at its frame ($paused)"
xdotool key period period period period period
await 10 "five steps from frame $paused" demo_reads stepped "Demo x1, paused, " $((paused + 5))
# From the start, still paused, three steps; then as fast as it replays.
xdotool key Home period period period
await 10 "three steps from the start" demo_reads again "Demo x1, paused, " 3
xdotool key Right Right Right
await 10 "as fast as it replays" demo_reads fastest "Demo as fast as it replays, paused, " 3
xdotool key space
wait_game_exit
expect_status 0
expect_output "$expected"
echo "ok"
