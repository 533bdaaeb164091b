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

# The text in a part of a screenshot, as tesseract reads it (white text, read as dark on light);
# a small window's picture is enlarged first, as tesseract reads its text only then.
read_text() { # IMAGE X0 Y0 X1 Y1 (fractions of the picture, origin top left)
    local w h scale=100%
    read -r w h < <(identify -format '%w %h' "$1")
    [ "$w" -lt 1000 ] && scale=300%
    python3 -c "
import sys
w, h, x0, y0, x1, y1 = int(sys.argv[1]), int(sys.argv[2]), *map(float, sys.argv[3:])
print(f'{int((x1 - x0) * w)}x{int((y1 - y0) * h)}+{int(x0 * w)}+{int(y0 * h)}')" \
        "$w" "$h" "$2" "$3" "$4" "$5" >"$work/crop"
    /usr/bin/convert "$1" -crop "$(cat "$work/crop")" -scale "$scale" -negate "$1.text.png" ||
        fail "crop $1"
    tesseract "$1.text.png" stdout 2>/dev/null
}
panel_text() { read_text "$(shot "$1")" 0 0.7 1 1; }
corner_text() { read_text "$(shot "$1")" 0 0 0.4 0.15; }
banner_text() { read_text "$(shot "$1")" 0.2 0.3 0.8 0.6; }

# The keys panel, then the display's time before and after R.
start_game "$data" --hud
find_window 1
text=$(panel_text start)
echo "at the start: $text"
grep -q "Escape: quit" <<<"$text" || fail "no keys panel at the start"
hold Up 1.5
text=$(panel_text flown)
grep -q "Escape: quit" <<<"$text" && fail "the keys panel stayed after a key: $text"
xdotool keydown Tab
sleep 0.5
text=$(panel_text tab)
xdotool keyup Tab
grep -q "Escape: quit" <<<"$text" || fail "Tab held did not show the keys: $text"

seconds() { sed -n 's/.*Time \([0-9]*\.[0-9]\).*/\1/p' <<<"$1"; } # "s" can read as "5"
before=$(corner_text before)
xdotool key r
sleep 0.3
after=$(corner_text after)
echo "before R: $before"
echo "after R: $after"
grep -q "12 chasers left" <<<"$after" || fail "not twelve chasers after R"
[ -n "$(seconds "$before")" ] && [ -n "$(seconds "$after")" ] || fail "no time read"
at_least "$(seconds "$before")" 1.5 || fail "the time before R did not run"
at_least 1.0 "$(seconds "$after")" || fail "the time did not start again with R"
# Left (the focus given to the root window), the game pauses and rests; back, it runs on.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id/ { print $4 }')"
sleep 2.2 # a whole second of resting frames for the display's count
left=$(corner_text left)
sleep 1
still=$(corner_text still)
echo "left: $left"
grep -Eq "^(9|10|11) fps$" <<<"$left" || fail "the left window did not rest at 10 fps"
[ "$(seconds "$left")" = "$(seconds "$still")" ] || fail "the time ran while the window was left"
xdotool windowfocus --sync "$window"
sleep 1
at_least "$(seconds "$(corner_text back)")" "$(python3 -c "print($(seconds "$still") + 0.5)")" ||
    fail "the time did not run on when the window was back"
# F2's 640x480 window: the panel's lines are laid out for it, the first hint and the last whole.
xdotool key F2
sleep 1
xdotool keydown Tab
sleep 0.5
text=$(read_text "$(shot small)" 0 0.3 1 1) # the panel is taller in a small window
xdotool keyup Tab
echo "at 640x480: $text"
# (the reader sometimes drops the blank after a colon)
grep -Eq "Up: ?thrust forward" <<<"$text" || fail "the panel's first hint is cut at 640x480"
grep -Eq "Escape: ?quit" <<<"$text" || fail "the panel's last hint is cut at 640x480"
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
