#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A demo file raced as the ghost: proved beside the game, then each break-up of the chase is split
# against the ghost's in the display's corner (the pilot's demo played against itself: every split
# level). A demo of other ships is refused with the proof's reason, and the game plays on.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
pilot="$here/../data/pilot.demo"

# The corner's lines as tesseract reads them (white text, read as dark on light).
corner_text() { # SHOT-NAME
    local image
    image=$(shot "$1")
    /usr/bin/convert "$image" -crop 60%x30%+0+0 -negate "$image.text.png" || fail "negate $1"
    tesseract "$image.text.png" stdout 2>/dev/null
}

GAME_SECONDS=200 start_game "$data" --window 1024x768 --no-hints --play "$pilot" --ghost "$pilot"
find_window 1
split=""
for i in $(seq 200); do
    split=$(corner_text "split-$i" | grep -Eo "[0-9]+ down [0-9]+\.[0-9]{3} s, [-+]?[0-9]+\.[0-9]{3}" |
        tail -n 1 || true)
    [ -n "$split" ] && break
    kill -0 "$(game_process)" 2>/dev/null || break
    sleep 0.4
done
echo "the corner says: [$split]"
[ -n "$split" ] || fail "no split in the corner"
[ "${split##*, }" = "0.000" ] || fail "the pilot split against its own ghost is not level: [$split]"
xdotool key Escape
wait_game_exit
grep -q "no ghost" "$work/game.err" && fail "the pilot's ghost was refused"

# The same demo on ships of other figures: refused, and the chase goes on without it.
mkdir -p "$work/other" && cp -r "$data"/. "$work/other"
still_chasers "$work/other"
GAME_SECONDS=60 start_game "$work/other" --window 1024x768 --no-hints --ghost "$pilot"
find_window 3
kill -0 "$(game_process)" 2>/dev/null || fail "the game ended after the refusal"
xdotool key Escape
wait_game_exit
expect_status 0
grep -q "^starchase: no ghost: $pilot: alukset.txt differs from the recording" "$work/game.err" ||
    fail "the refusal was not said: [$(cat "$work/game.err")]"
echo "ok"
