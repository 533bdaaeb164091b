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
xdotool keydown p
sleep 1
shown=$(shot shown)
xdotool key h
sleep 0.5
hidden=$(shot hidden)
xdotool key h
sleep 0.5
again=$(shot again)
read -r lit_shown lit_hidden lit_again below right < <(measure "$hidden" "lit:$corner" \
    "lit:$corner" "lit:$corner" "diff:$shown@0,0.15,1,1" "diff:$again@0.3,0,1,0.15")
read -r lit_shown < <(measure "$shown" "lit:$corner")
read -r lit_again < <(measure "$again" "lit:$corner")
echo "corner lit: shown $lit_shown, hidden $lit_hidden, shown again $lit_again;" \
    "changed elsewhere: $below, $right"
at_least "$lit_shown" $(python3 -c "print($lit_hidden + 0.03)") || fail "no text in the corner"
at_least "$lit_again" $(python3 -c "print($lit_hidden + 0.03)") || fail "H did not show it again"
at_least 0 "$below" && at_least 0 "$right" || fail "the display changed the scene elsewhere"

# Two screenshots, likely within a second: two files of the window's size.
xdotool key F12
sleep 0.5
xdotool key F12
for _ in $(seq 40); do
    [ "$(wc -l <"$work/game.out")" -ge 2 ] && break
    sleep 0.25
done
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
sleep 1
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
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "$kind font: Escape did not end the game"
    wait_game_exit
    expect_status 0
    [ "$(grep -c . "$work/game.err")" = 1 ] || fail "$kind font: not one note"
    grep -q "heads-up display" "$work/game.err" || fail "$kind font: the note does not name it"
done
echo "ok"
