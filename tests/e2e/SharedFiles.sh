#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What the game keeps, with another game and an editor beside it: two games at once each record a
# chase of their own and leave a last.demo that replays; what each changed in the settings is
# merged into the file as the editor left it during play, and kept when the terminal hangs up; a
# saved window the screen cannot open gives the default window, with a line naming the settings
# line, and the game plays.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
settings="$XDG_CONFIG_HOME/starchase/settings"
mkdir -p "$(dirname "$settings")"
echo "hud = off" >"$settings"

start_named() { # NAME [ARGUMENTS...]: a game of its own, its pid in $started
    (cd "$data" && exec "$STARCHASE" --no-hints "${@:2}" >"$work/$1.out" 2>"$work/$1.err") &
    started=$!
}
windows() { xdotool search --name '^starchase$' 2>/dev/null | sort -u; }
quit_window() { # WINDOW
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    sleep 0.3
    xdotool key Escape
}

# Two games at once; the player changes the display in the first, the sound in the second, and
# edits the file while both run.
start_named one
one=$started
start_named two
two=$started
for _ in $(seq 300); do [ "$(windows | wc -l)" -ge 2 ] && break; sleep 0.1; done
mapfile -t both < <(windows)
[ "${#both[@]}" = 2 ] || fail "not two game windows: ${both[*]}"
sleep 2
printf '# written by hand during play\nhud = off\nvolume = 30\n' >"$settings"
xdotool windowfocus --sync "${both[0]}" 2>/dev/null || true
xdotool key h
quit_window "${both[0]}"
sleep 1
xdotool windowfocus --sync "${both[1]}" 2>/dev/null || true
xdotool key m
quit_window "${both[1]}"
status=0
wait "$one" || status=$?
expect_status 0
wait "$two" || status=$?
expect_status 0
cat "$work/one.err" "$work/two.err"
[ "$(cat "$settings")" = '# written by hand during play
hud = on
volume = 30
sound = off' ] || fail "the settings after two games: [$(cat "$settings")]"
last="$XDG_DATA_HOME/starchase/last.demo"
"$SHIPYARD" replay --data "$data" "$last" >"$work/last.out" 2>&1 ||
    fail "last.demo of two games does not replay: [$(cat "$work/last.out")]"
ls "$XDG_DATA_HOME/starchase"
[ -z "$(ls "$XDG_DATA_HOME/starchase" | grep '^running-')" ] || fail "a running chase was left"

# A hang-up saves like a closed window.
start_named hangup
find_window 2
xdotool key h
sleep 0.5
kill -HUP "$started"
status=0
wait "$started" || status=$?
expect_status 0
grep -qx "hud = off" "$settings" || fail "the hang-up lost H: [$(cat "$settings")]"

# A saved window the screen cannot open: classic SDL's X11 window with GL refuses one this wide
# ("A scanline is too wide"); the compatibility layer opens it, and there is nothing to mend.
[ "${SDL_VARIANT:-classic}" = classic ] || { echo "ok"; exit 0; }
printf 'volume = 30\nwindow = 16384x300\n' >"$settings"
start_named wide
find_window 2
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { print w, $2 }')
echo "window ${width}x$height; $(cat "$work/wide.err")"
grep -Eq "^starchase: $settings:2: a window of 16384x300 cannot be opened \(.+\); using 1024x768$" \
    "$work/wide.err" || fail "no line naming the settings line: [$(cat "$work/wide.err")]"
[ "${width}x$height" = 1024x768 ] || fail "the window is ${width}x$height"
quit_window "$window"
status=0
wait "$started" || status=$?
expect_status 0
[ "$(cat "$settings")" = "$(printf 'volume = 30\nwindow = 16384x300')" ] ||
    fail "the settings changed: [$(cat "$settings")]"
echo "ok"
