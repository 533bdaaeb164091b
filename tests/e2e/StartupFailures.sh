#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every way the game can fail to start: its exact lines on standard output and exit status 1.
source "$(dirname "$0")/lib.sh"
start_display
failed=$'ERROR during Initialize() Exiting...'

mkdir "$work/empty"
run_game_to_end "$work/empty"
expect_status 1
expect_output $'ERROR: alukset.txt missing, no ships loaded\n'"$failed"
# and, on standard error, how to play: the build's game names the ships the build wrote.
built=$(cd "$(dirname "$STARCHASE")/../dist/data" && pwd) || fail "the build wrote no ships"
hint="starchase: no ships to play in this folder; --data DIR plays those of DIR, and this build \
wrote its own to $built"
[ "$(cat "$work/game.err")" = "$hint" ] || fail "standard error with no ships: [$(cat "$work/game.err")]"

mkdir "$work/broken"
printf 'Broken\nbroken.ms3d\n1\n1\n' >"$work/broken/alukset.txt"
printf 'MS3D000000\x02\x00\x00\x00' >"$work/broken/broken.ms3d" # version 2 is too old
run_game_to_end "$work/broken"
expect_status 1
expect_output $'ERROR: loading a model file broken.ms3d\n'"$failed"

data=$(default_data)
for type in brightfin Tarvesh4 Quessal Maradyne Umbrek Bullet; do
    cp -r "$data" "$work/without-$type"
    # Renaming the record's name line leaves the model loaded but the type missing.
    sed -i "s/^$type\$/${type}Renamed/; s/^$type;/${type}Renamed;/" "$work/without-$type/alukset.txt"
    run_game_to_end "$work/without-$type"
    expect_status 1
    expect_output "ERROR: no ship $type"$'\n'"$failed"
done

# 60,001 types more, the last one's model missing: the game loads every type's model (this one
# first, in name order) and stops; shipyard check must give the same verdict.
cp -r "$data" "$work/many"
awk 'BEGIN { for (i = 0; i < 60000; ++i) printf "T%d\nmodels/Bullet.ms3d\n1\n1\n", i
             printf "A\nmissing.ms3d\n1\n1\n" }' >>"$work/many/alukset.txt"
run_game_to_end "$work/many"
expect_status 1
expect_output $'ERROR: loading a model file missing.ms3d\n'"$failed"
"$SHIPYARD" check "$work/many" >"$work/check.out" && fail "check passes what the game refuses"
grep -q "error: model file missing.ms3d of type A cannot be opened" "$work/check.out" ||
    fail "check: $(cat "$work/check.out")"

# More types than the game loads: refused whole, by the game and by the check.
cp -r "$data" "$work/too-many"
awk 'BEGIN { for (i = 0; i < 65530; ++i) printf "T%d\nmodels/Bullet.ms3d\n1\n1\n", i }' \
    >>"$work/too-many/alukset.txt"
run_game_to_end "$work/too-many"
expect_status 1
expect_output $'ERROR: alukset.txt cannot be used: it names 65536 ship types, more than the 65535 the game loads\n'"$failed"
"$SHIPYARD" check "$work/too-many" >"$work/check.out" && fail "check passes what the game refuses"
grep -q "error: 65536 ship types, more than the 65535 the game loads" "$work/check.out" ||
    fail "check: $(cat "$work/check.out")"

# Something named alukset.txt in the working folder that cannot be read is reported before any
# window opens, also by an installed game, which has ships of its own to fall back on.
mkdir -p "$work/prefix/bin" "$work/prefix/share"
cp "$STARCHASE" "$work/prefix/bin/starchase"
cp -r "$data" "$work/prefix/share/starchase"
mkdir -p "$work/pipe" "$work/folder/alukset.txt" "$work/unreadable"
mkfifo "$work/pipe/alukset.txt"
cp "$data/alukset.txt" "$work/unreadable/alukset.txt"
chmod 000 "$work/unreadable/alukset.txt"
for game in "$STARCHASE" "$work/prefix/bin/starchase"; do
    STARCHASE=$game run_game_to_end "$work/pipe"
    expect_status 1
    expect_output "ERROR: alukset.txt cannot be used: is a named pipe, not a regular file"
    STARCHASE=$game run_game_to_end "$work/folder"
    expect_status 1
    expect_output "ERROR: alukset.txt cannot be used: is a directory, not a regular file"
    if [ "$(id -u)" != 0 ]; then # root reads any file
        STARCHASE=$game run_game_to_end "$work/unreadable"
        expect_status 1
        expect_output "ERROR: alukset.txt cannot be used: Permission denied"
    fi
done

# No display at all: one error line, no escape codes from a text-terminal driver, status 1.
status=0
(cd "$data" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$STARCHASE" >"$work/game.out") || status=$?
expect_status 1
[ "$(wc -l <"$work/game.out")" = 1 ] && grep -q '^ERROR' "$work/game.out" ||
    fail "without a display: $(cat -v "$work/game.out")"

# A display that cannot be reached: SDL is held to it and fails to start; the one line on
# standard output, SDL's reason on standard error (no text-terminal driver's escape codes).
DISPLAY=:999 run_game_to_end "$data"
expect_status 1
expect_output "Error initializing SDL"
[ "$(wc -l <"$work/game.err")" = 1 ] && grep -q '^starchase: .' "$work/game.err" ||
    fail "unreachable display, standard error: $(cat -v "$work/game.err")"

# A display with no visual GL can draw on (8-bit colour): the window cannot be made; the one line
# on standard output, SDL's reason on standard error.
exec 8>"$work/display8"
Xvfb -displayfd 8 -screen 0 1024x768x8 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb8=$!
for _ in $(seq 100); do [ -s "$work/display8" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display8")" run_game_to_end "$data"
kill "$xvfb8"
expect_status 1
expect_output "ERROR: cannot open the game window"
[ "$(wc -l <"$work/game.err")" = 1 ] && grep -q '^starchase: .' "$work/game.err" ||
    fail "no visual, standard error: $(cat -v "$work/game.err")"
echo "ok"
