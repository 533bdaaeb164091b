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

# The corner's demo line, as tesseract reads it ("s" can read as "5": only its numbers are taken).
corner_text() { read_text "$(shot "$1")" 0 0 0.7 0.12; }
frame_of() { sed -n 's/.*frame \([0-9]*\) of 1376.*/\1/p' <<<"$1"; }

# At x4: two presses of Right from x1.
GAME_SECONDS=200 start_game "$data" --play "$pilot"
find_window 1
xdotool key Right Right
faster=$(date +%s)
sleep 0.5
text=$(corner_text x4)
echo "at x4: $text"
grep -q "Demo x4, " <<<"$text" || fail "the corner does not say x4: [$text]"
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
sleep 0.5
paused=$(frame_of "$(corner_text paused)")
sleep 1
[ -n "$paused" ] && [ "$(frame_of "$(corner_text still)")" = "$paused" ] ||
    fail "the paused demo did not stay at its frame ($paused)"
xdotool key period period period period period
sleep 0.5
text=$(corner_text stepped)
echo "paused at frame $paused, five steps on: $text"
grep -q "Demo x1, paused, " <<<"$text" || fail "the corner does not say paused: [$text]"
[ "$(frame_of "$text")" = $((paused + 5)) ] || fail "five steps from $paused gave [$text]"
# From the start, still paused, three steps; then as fast as it replays.
xdotool key Home
sleep 0.5
xdotool key period period period
sleep 0.5
text=$(corner_text again)
echo "from the start, three steps on: $text"
[ "$(frame_of "$text")" = 3 ] || fail "from the start and three steps gave [$text]"
xdotool key Right Right Right
sleep 0.5
text=$(corner_text fastest)
echo "faster three times: $text"
grep -q "Demo as fast as it replays, paused, " <<<"$text" ||
    fail "not as fast as it replays: [$text]"
xdotool key space
wait_game_exit
expect_status 0
expect_output "$expected"
echo "ok"
