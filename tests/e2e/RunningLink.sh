#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# R never writes through a link: with the game's running file swapped for a link during play, the
# new chase goes on in the game's own file, the link's target and last.demo stay as they were,
# and the game's end says its file was replaced.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
records="$XDG_DATA_HOME/starchase"
mkdir -p "$records"
echo "the last game's chase" >"$records/last.demo"
echo "a file of the player's" >"$work/target"

start_game "$data" --no-hints
find_window 2
game=$(game_process)
running=$(ls "$records"/running-*.demo) || fail "no running file: $(ls -A "$records")"
rm "$running"
ln -s "$work/target" "$running"
# The game's own file, open and no longer named; R empties it and begins the new chase in it.
own=$(find "/proc/$game/fd" -lname "$running (deleted)" | head -n 1)
[ -n "$own" ] || fail "the game holds no file that was $running"
before=$(stat -L -c %s "$own")
sleep 0.5
xdotool key r
target_kept() { [ "$(cat "$work/target")" = "a file of the player's" ]; }
# A CHECK for await: R has written, to the game's file or (wrongly) through the link.
r_written() {
    seen="the game's file $(stat -L -c %s "$own") bytes, $before before R"
    [ "$(stat -L -c %s "$own")" -lt "$before" ] || ! target_kept
}
await 60 "R's new chase written" r_written
target_kept || fail "R wrote the link's target: $(head -c 40 "$work/target" | od -c | head -n 2)"
[ "$(stat -L -c %s "$own")" -lt "$before" ] || fail "R did not begin the chase afresh in the game's file"
sleep 0.5
xdotool key Escape
wait_game_exit
expect_status 0
target_kept || fail "the game's end wrote the link's target"
[ "$(cat "$records/last.demo")" = "the last game's chase" ] || fail "last.demo was replaced"
[ "$(cat "$work/game.err")" = "starchase: $running is no longer this game's chase (moved or \
replaced during the game); last.demo is left as it is" ] || fail "the game's end said [$(cat "$work/game.err")]"
echo "ok"
