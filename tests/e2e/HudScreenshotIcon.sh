#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real keys in a real window: the heads-up display (--hud, H) writes in the top left corner and
# leaves the rest of the picture alone; F12 saves the window as a new PNG each time; the window
# carries the game's own icon in a folder shipyard generate wrote, which has no icon file; without
# a usable font the game plays on.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
export XDG_DATA_HOME="$work/xdg"
start_game "$data" --hud
find_window 2

icon=$(xprop -id "$window" -notype 32c _NET_WM_ICON | cut -d, -f1-2)
echo "icon: $icon"
[ "$icon" = "_NET_WM_ICON = 64, 64" ] || fail "no 64x64 icon on the window: $icon"

# P held freezes the scene, so the pictures differ only where the display is.
corner=0,0,0.3,0.15
hold_pause
shown=$(shot shown)
read -r lit_shown < <(measure "$shown" "lit:$corner")
corner_lit() { # SHOT-NAME MORE-OR-LESS THAN
    local lit
    read -r lit < <(measure "$(shot "$1")" "lit:$corner")
    seen="corner $lit lit, $lit_shown with the display"
    if [ "$2" = less ]; then at_least "$3" "$lit"; else at_least "$lit" "$3"; fi
}
xdotool key h
await 30 "the display hidden" corner_lit hidden less "$(python3 -c "print($lit_shown - 0.03)")"
hidden="$work/hidden.png"
read -r lit_hidden < <(measure "$hidden" "lit:$corner")
xdotool key h
await 30 "the display shown again" corner_lit again more "$(python3 -c "print($lit_hidden + 0.03)")"
read -r below right < <(measure "$hidden" "diff:$shown@0,0.15,1,1" \
    "diff:$work/again.png@0.3,0,1,0.15")
echo "changed elsewhere: $below, $right"
at_least 0 "$below" && at_least 0 "$right" || fail "the display changed the scene elsewhere"

# Two screenshots, likely within a second: two files of the window's size.
xdotool key F12
sleep 0.5
xdotool key F12
two_saved() { seen=$(cat "$work/game.out"); [ "$(wc -l <"$work/game.out")" -ge 2 ]; }
await 30 "two screenshots saved" two_saved
xdotool keyup p
mapfile -t saved <"$work/game.out"
echo "saved: ${saved[*]}"
[ "${#saved[@]}" = 2 ] && [ "${saved[0]}" != "${saved[1]}" ] || fail "not two new screenshots"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
for f in "${saved[@]}"; do
    [[ "$f" == "$XDG_DATA_HOME/starchase/screenshots/starchase-"*.png ]] || fail "saved as $f"
    [ "$(identify -format '%wx%h' "$f")" = "$size" ] || fail "$f is not ${size}"
done

# A folder that cannot be made: one line on standard error, and the game goes on.
rm -rf "$XDG_DATA_HOME/starchase/screenshots" && touch "$XDG_DATA_HOME/starchase/screenshots"
xdotool key F12
said() { seen=$(cat "$work/game.err"); [ -n "$seen" ]; }
await 30 "a line on the failed screenshot" said
sleep 0.5 # time for a second line, which would be one too many
[ "$(wc -l <"$work/game.err")" = 1 ] || fail "not one line on a failed screenshot"
kill -0 "$game_pid" || fail "the game ended after a failed screenshot"
xdotool key Escape
wait_game_exit
expect_status 0

# The only folder fontconfig looks in holds a broken font, or a named pipe that stalls whatever
# reads it: the game plays on and quits on Escape, with one note about the display.
for kind in broken pipe; do
    fonts="$work/fonts-$kind"
    mkdir -p "$fonts"
    if [ "$kind" = broken ]; then
        printf 'not a font at all' >"$fonts/Broken.ttf"
    else
        mkfifo "$fonts/Stall.ttf"
    fi
    cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>$fonts</dir><cachedir>$work/fontcache-$kind</cachedir></fontconfig>
CONF
    FONTCONFIG_FILE="$work/fonts.conf" start_game "$data" --hud
    find_window 2
    sleep 2.5 # past the wait for fontconfig
    expect_opening_scene "$kind-font"
    xdotool key h
    sleep 0.5
    xdotool key Escape
    await 30 "$kind font: the game ended by Escape" game_gone
    wait_game_exit
    expect_status 0
    [ "$(grep -c . "$work/game.err")" = 1 ] || fail "$kind font: not one note"
    grep -q "heads-up display" "$work/game.err" || fail "$kind font: the note does not name it"
done
echo "ok"
