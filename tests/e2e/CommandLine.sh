#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game's command line: every row gives its exact lines and status, and none reaches the
# window (run with no display, a row that did would end on the "no display" line instead); --help
# gives the keys the settings file binds.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY

usage="usage: starchase [--data DIR] [--record FILE] [--play FILE] [--hud] [--mute] [--no-hints] [--ghost FILE] [--fullscreen] [--window WxH] [--no-settings] [--help] [--version]"
mkdir "$work/here" "$work/data"
touch "$work/file"
nodisplay="ERROR: no display to show the game window on (DISPLAY is not set)"

# ARGUMENTS... | STATUS | STANDARD OUTPUT | STANDARD ERROR ("*" at the end: a prefix)
rows=(
    "--version|0|starchase $VERSION|"
    "--help|0|$usage*|"
    "-h|0|$usage*|"
    "--bogus|2||starchase: unknown option '--bogus'; $usage"
    "-x|2||starchase: unknown option '-x'; $usage"
    "--data|2||starchase: option '--data' needs a value (DIR); $usage"
    "--data=|2||starchase: option '--data' needs a value (DIR); $usage"
    "--help=yes|2||starchase: option '--help' takes no value; $usage"
    "--play|2||starchase: option '--play' needs a value (FILE); $usage"
    "--record a.demo --play b.demo|2||starchase: a demo is recorded or played, not both; $usage"
    "--record $work/missing/a.demo|1||starchase: $work/missing/a.demo: No such file or directory"
    "--record $work/data|1||starchase: $work/data: is a directory, not a file to record into"
    "extra|2||starchase: unexpected argument 'extra'; $usage"
    "--data $work/data extra|2||starchase: unexpected argument 'extra'; $usage"
    "-- extra|2||starchase: unexpected argument 'extra'; $usage"
    "--data $work/missing|1||starchase: data folder '$work/missing': no such folder"
    "--data $work/file|1||starchase: data folder '$work/file': not a folder"
    "--data=$work/data|1|$nodisplay|"
    "--|1|$nodisplay|"
    "--hud|1|$nodisplay|"
    "--fullscreen --no-settings --window=800x600|2||starchase: the game starts in full screen or in a window, not both; $usage"
    "--window 800|2||starchase: --window takes WIDTHxHEIGHT, each from 64 to 16384, not '800'; $usage"
    "--window 63x600|2||starchase: --window takes WIDTHxHEIGHT, each from 64 to 16384, not '63x600'; $usage"
    "--window 16384x64 --no-settings|1|$nodisplay|"
)
# Root reads every folder, so an unreadable one can only be shown to other users.
if [ "$(id -u)" != 0 ]; then
    mkdir -m 000 "$work/locked"
    rows+=("--data $work/locked|1||starchase: data folder '$work/locked': Permission denied")
fi

matches() { # ACTUAL EXPECTED
    case "$2" in
    *"*") [[ "$1" == "${2%\*}"* ]] ;;
    *) [ "$1" = "$2" ] ;;
    esac
}

# --help lists the keys the settings file binds, on either SDL (no window, no display), and names
# the file; --no-settings lists the defaults.
settings="$XDG_CONFIG_HOME/starchase/settings"
mkdir -p "$(dirname "$settings")"
printf '%s\n' 'key.right = [6]' 'key.fire = keypad enter' 'key.display = none' 'pad.fire = none' \
    'key.sound = keypad 5' >"$settings"
pad="  button 2 boost while held, button 3 strafe while held, button 4 pause while held,"
pad="$pad button 8 options."
for lib in "${LD_LIBRARY_PATH:-}" /usr/lib/x86_64-linux-gnu/sdl12-compat; do
    LD_LIBRARY_PATH=$lib run_game_to_end "$work/here" --help
    expect_status 0
    [ ! -s "$work/game.err" ] || fail "$lib: --help wrote to standard error"
    for line in "Settings: $settings; the keys are as it sets them." "  Keypad 6        turn right" \
        "  Keypad Enter    fire" "  no key          show or hide the heads-up display" \
        "  --hud           show the heads-up display from the start" \
        "  --mute          start with sound off (Keypad 5 turns it on and off)" \
        "$pad"; do
        grep -qxF "$line" "$work/game.out" || fail "$lib: --help has no line [$line]"
    done
    LD_LIBRARY_PATH=$lib run_game_to_end "$work/here" --help --no-settings
    grep -qxF "  Right           turn right" "$work/game.out" || fail "$lib: --no-settings keys"
done

for row in "${rows[@]}"; do
    IFS='|' read -r arguments want_status want_out want_err <<<"$row"
    read -ra words <<<"$arguments"
    run_game_to_end "$work/here" "${words[@]}"
    out=$(cat "$work/game.out")
    err=$(cat "$work/game.err")
    show_errors
    [ "$status" = "$want_status" ] || fail "$arguments: status $status, expected $want_status"
    matches "$out" "$want_out" || fail "$arguments: output [$out], expected [$want_out]"
    matches "$err" "$want_err" || fail "$arguments: errors [$err], expected [$want_err]"
done
echo "ok"
