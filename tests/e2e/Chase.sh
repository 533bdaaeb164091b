#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The chase around the step, read off the window: the keys panel at the start, gone at the first
# key and back while Tab is held; R in a live game starts a new chase (the display's time starts
# again); the window left, the time stops and the frames slow to 10 a second, and run on when it
# is back; in the 640x480 window of F2 the panel is whole, both ends of its lines in the window;
# the chase after R is in last.demo; the pilot's demo (tests/data/pilot.demo), added with
# `shipyard records --add` and verified by `shipyard records`, plays to the end of its chase and
# shows the banner with its time and that best and offering Escape alone, keeping nothing.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
export XDG_DATA_HOME="$work/xdg"

banner_text() { read_text "$(shot "$1")" 0.2 0.3 0.8 0.6; }
# A CHECK for await: the keys panel, read from the window below TOP (a fraction of its height),
# shows every PATTERN, or with "none" shows no keys.
panel_shows() { # SHOT-NAME TOP PATTERN...|none
    local text pattern
    text=$(read_text "$(shot "$1")" 0 "$2" 1 1)
    seen=$(tr -s ' \n' ' ' <<<"$text")
    [ "$3" = none ] && { ! grep -q "Escape: quit" <<<"$text"; return; }
    for pattern in "${@:3}"; do
        grep -Eq "$pattern" <<<"$text" || return 1
    done
}

# The keys panel, then the display's time before and after R.
start_game "$data" --hud
find_window 1
await 30 "the keys panel at the start" panel_shows start 0.7 "Escape: quit"
hold Up 1.5
await 30 "the keys panel gone after a key" panel_shows flown 0.7 none
xdotool keydown Tab
await 30 "the keys panel while Tab is held" panel_shows tab 0.7 "Escape: quit"
xdotool keyup Tab

seconds() { sed -n 's/.*Time \([0-9]*\.[0-9]\).*/\1/p' <<<"$1"; } # "s" can read as "5"
# A CHECK for await: the display's time read from a new screenshot is less, or more, than SECONDS.
time_read() { # SHOT-NAME LESS-OR-MORE SECONDS
    local text time
    text=$(corner_text "$1")
    time=$(seconds "$text")
    seen=$(tr -s ' \n' ' ' <<<"$text")
    [ -n "$time" ] || return 1
    if [ "$2" = less ]; then ! at_least "$time" "$3"; else ! at_least "$3" "$time"; fi
}
await 30 "the time running before R" time_read before more 1.5
before=$seen
xdotool key r
await 30 "the time started again with R" time_read after less "$(seconds "$before")"
grep -q "12 chasers left" <<<"$seen" || fail "not twelve chasers after R"
# Left (the focus given to the root window), the game pauses and rests; back, it runs on.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id/ { print $4 }')"
# A CHECK for await: the display counts about 10 frames a second.
resting() {
    seen=$(corner_text left | tr -s ' \n' ' ')
    [[ $seen =~ (^| )(9|10|11)\ fps ]]
}
await 30 "the left window resting at 10 fps" resting
left=$seen
sleep 1
still=$(corner_text still)
echo "left: $left"
[ "$(seconds "$left")" = "$(seconds "$still")" ] || fail "the time ran while the window was left"
xdotool windowfocus --sync "$window"
await 30 "the time running on when the window was back" time_read back more \
    "$(python3 -c "print($(seconds "$still") + 0.5)")"
# F2's 640x480 window: the panel's lines are laid out for it, the first hint and the last whole.
# (The reader sometimes drops the blank after a colon; the panel is taller in a small window.)
xdotool key F2
xdotool keydown Tab
await 30 "the whole panel at 640x480" panel_shows small 0.3 "Up: ?thrust forward" "Escape: ?quit"
xdotool keyup Tab
xdotool key Escape
wait_game_exit
expect_status 0
# The running chase, the one after R, was recorded beside the records: last.demo once the game
# ended.
last="$XDG_DATA_HOME/starchase/last.demo"
"$SHIPYARD" replay --data "$data" "$last" >"$work/last.out" || fail "last.demo does not replay"
grep -Eq '^demo: [0-9]+ frames, [0-9.]+ s, 12 chasers left, state [0-9a-f]{16}$' "$work/last.out" ||
    fail "last.demo replayed to [$(cat "$work/last.out")]"
rm "$last"

# Added as the record of these ships, the pilot's chase is the best the banner shows when its
# demo plays, from the end of the chase until the demo ends; a played demo keeps nothing.
"$SHIPYARD" records --add "$here/../data/pilot.demo" --data "$data" >"$work/add.out" ||
    fail "records --add: [$(cat "$work/add.out")]"
cat "$work/add.out"
grep -Eq '^kept: chase 1 of .*pilot.demo, [0-9.]+ s, as the record of ship set [0-9a-f]{16} \(its first\)' \
    "$work/add.out" || fail "not kept as the first record"
kept=$(cd "$XDG_DATA_HOME/starchase" && ls -l --time-style=+%s.%N && cat records)
# In the window the banner's lines are read best at (the first game kept F2's).
GAME_SECONDS=500 start_game "$data" --play "$here/../data/pilot.demo" --window 1024x768
find_window 1
# Read about once a second until it shows; a slow machine plays the demo slower than recorded.
banner=""
for _ in $(seq 200); do
    text=$(banner_text playing) || break # the window went: the demo has ended
    grep -q "^Best " <<<"$text" && { banner=$text; break; }
    sleep 0.5
done
echo "banner: $banner"
grep -Eq "^All 12 chasers down in [0-9]+\.[0-9]{3} s$" <<<"$banner" || fail "no banner's first line"
grep -Eq "^Best [0-9]+\.[0-9]{3} s$" <<<"$banner" || fail "no best in the banner"
# R does nothing in a played demo: the banner offers only Escape.
grep -q "^Escape: quit$" <<<"$banner" || fail "the banner does not offer Escape alone"
wait_game_exit
expect_status 0
grep -Eq '^demo: [0-9]+ frames, [0-9.]+ s, 0 chasers left, state [0-9a-f]{16}, chase over in [0-9.]+ s$' \
    "$work/game.out" || fail "the played chase ended as [$(cat "$work/game.out")]"
over=$(sed -n 's/.*chase over in \([0-9.]*\) s$/\1/p' "$work/game.out")
grep -q "^All 12 chasers down in $over s$" <<<"$banner" || fail "the banner's time is not $over s"
[ "$(cd "$XDG_DATA_HOME/starchase" && ls -l --time-style=+%s.%N && cat records)" = "$kept" ] ||
    fail "a played demo wrote last.demo or changed the records"
"$SHIPYARD" records --data "$data" >"$work/records.out" ||
    fail "records: [$(cat "$work/records.out")]"
cat "$work/records.out"
grep -Eq "^[0-9a-f]{16} [0-9.]+ s best-[0-9a-f]{16}-[0-9]+\.demo: verified with the ships in $data$" \
    "$work/records.out" ||
    fail "the record is not verified"
