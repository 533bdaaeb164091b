#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The options in play: O opens them and the chase stops (the display's time stands still), Right
# on the first row turns the display on at once, Down to fire's row, Enter and F bind fire to F,
# Escape closes them with the game still running and the time going on; F then fires and Space no
# longer does, and Escape quits with both changes in the settings file.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
still_chasers "$data"
settings="$XDG_CONFIG_HOME/starchase/settings"

# The display's time in the top left corner, as tesseract reads it (left of the options' block).
corner_time() { # SHOT-NAME
    local image
    image=$(shot "$1")
    /usr/bin/convert "$image" -crop 22%x15%+0+0 -negate "$image.corner.png" || fail "crop $1"
    tesseract "$image.corner.png" stdout 2>/dev/null | grep -oE 'Time [0-9]+\.[0-9]' || true
}

# A CHECK for await: the display's time is shown, and is not SECONDS-TEXT.
time_shown() { # SHOT-NAME [SECONDS-TEXT]
    seen=$(corner_time "$1")
    [ -n "$seen" ] && [ "$seen" != "${2:-}" ]
}

GAME_SECONDS=300 start_game "$data"
find_window 2
xdotool key o
sleep 0.3
xdotool key Right
await 30 "the display turned on by Right on the first row" time_shown opened
opened=$seen
sleep 1.5
still=$(corner_time still)
echo "with the options open: [$opened], 1.5 s later [$still]"
[ -n "$opened" ] || fail "Right on the first row did not show the display"
[ "$opened" = "$still" ] || fail "the chase ran on under the options"

# Fire's row, found by its name: below the settings and the actions before it, in the order of
# README's tables (which the unit tests hold to the settings and actions tables).
readme="$(dirname "$0")/../../README.md"
settings_rows=$(awk '/^\| Setting \| Values/ {on = 1; next} on && /^$/ {exit} on && !/^\|---/' \
    "$readme" | wc -l)
actions_before=$(awk '/^\| Key \| Effect/ {on = 1; next} on && /\| fire \|$/ {exit}
    on && !/^\|---/' "$readme" | wc -l)
[ "$settings_rows" -gt 0 ] && [ "$actions_before" -gt 0 ] || fail "README's tables not found"
for _ in $(seq $((settings_rows + actions_before))); do
    xdotool key Down
done
xdotool key Return
sleep 0.2
xdotool key f
sleep 0.2
xdotool key Escape
await 30 "the chase going on after the options closed" time_shown running "$still"

expect_fire_moved f space

xdotool key Escape
wait_game_exit
expect_status 0
[ ! -s "$work/game.err" ] || fail "standard error: [$(cat "$work/game.err")]"
expected_file='hud = on
key.fire = f'
[ "$(cat "$settings")" = "$expected_file" ] || fail "the settings written: [$(cat "$settings")]"
echo "--- written"
cat "$settings"
echo "ok"
