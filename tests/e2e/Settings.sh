#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The settings file as a player keeps it: fire bound to Return fires from Return and no longer
# from Space; bad lines are named on standard error and the rest applies; the volume keys show
# the volume with the display off, and M says the sound is off; H and the volume are written back
# at the end with the player's comments, bad lines and lines the game does not know kept as they
# were (M pressed twice changes nothing).
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
still_chasers "$data"
settings="$XDG_CONFIG_HOME/starchase/settings"
mkdir -p "$(dirname "$settings")"
cat >"$settings" <<'SETTINGS'
# My keys: fire with Return
key.fire = return
volume = 50 # quiet at night
hud = off
fps = fast
colour = blue
SETTINGS
GAME_SECONDS=300 start_game "$data" # many screenshots: slow on a loaded machine
find_window 2

expect_fire_moved Return space

# The volume keys with the display off: the volume shows in the corner for a moment.
corner=0,0,0.3,0.15
hold_pause # the scene stands still, so only the corner's text changes
read -r dark < <(measure "$(shot dark)" "lit:$corner")
xdotool key equal
sleep 0.2
expect_note equal "$dark" "Volume 70%"
# A CHECK for await: the corner as lit as before the note, or less.
note_gone() {
    read -r seen < <(measure "$(shot gone)" "lit:$corner")
    at_least "$(python3 -c "print($dark + 0.005)")" "$seen"
}
await 30 "the volume note gone (corner lit as before, $dark)" note_gone
expect_note m "$dark" "Sound off"
xdotool key m
xdotool keyup p

xdotool key h
sleep 0.3
xdotool key Escape
wait_game_exit
expect_status 0

expected_err="starchase: $settings:5: fps takes a whole number from 0 to 1000 or auto, not 'fast'; using auto
starchase: $settings:6: unknown setting 'colour'; ignored"
[ "$(cat "$work/game.err")" = "$expected_err" ] ||
    fail "standard error was [$(cat "$work/game.err")]"
expected_file='# My keys: fire with Return
key.fire = return
volume = 70 # quiet at night
hud = on
fps = fast
colour = blue'
[ "$(cat "$settings")" = "$expected_file" ] || fail "the settings written back: [$(cat "$settings")]"
echo "--- written back"
cat "$settings"

# The next game starts as the player left it, and --no-settings as it always was.
start_game "$data" --no-settings
find_window 2
read -r plain < <(measure "$(shot plain)" "lit:$corner")
echo "corner lit with --no-settings: $plain"
at_least "$(python3 -c "print($dark + 0.005)")" "$plain" || fail "the display is on with --no-settings"
xdotool key h
sleep 0.3
xdotool key Escape
wait_game_exit
expect_status 0
[ "$(cat "$settings")" = "$expected_file" ] || fail "--no-settings wrote the settings"
[ ! -s "$work/game.err" ] || fail "--no-settings read the settings: [$(cat "$work/game.err")]"
echo "ok"
