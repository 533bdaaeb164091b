#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game heard through SDL's disk audio driver: sound files that cannot be played leave their
# events silent, --mute is silence, M turns the sound on and firing is then heard; with an audio
# driver that does not exist the game still plays, after one note.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
# The chasers' sounds cannot play: a truncated file, a folder, a named pipe.
head -c 1000 "$data/sounds/chaser-shot.wav" >"$work/cut.wav"
mv "$work/cut.wav" "$data/sounds/chaser-shot.wav"
rm "$data/sounds/hit.wav" && mkdir "$data/sounds/hit.wav"
rm "$data/sounds/breakup.wav" && mkfifo "$data/sounds/breakup.wav"

audio="$work/audio.raw"
# Whether the 16-bit samples written from byte FROM on (to byte TO, or the end) are all silent.
silent_from() { # FROM [TO]
    python3 - "$audio" "$1" "${2:-}" <<'PY'
import array, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 2 * 2:]
if sys.argv[3]:
    data = data[:int(sys.argv[3]) - int(sys.argv[2])]
samples = array.array("h", data[:len(data) // 2 * 2])
loud = max((abs(s) for s in samples), default=0)
print(f"{len(samples)} samples, loudest {loud}", file=sys.stderr)
sys.exit(0 if loud == 0 else 1)
PY
}
written() { stat -c %s "$audio" 2>/dev/null || echo 0; }

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" SDL_DISKAUDIODELAY=20
start_game "$data" --mute
find_window 2
hold space 1.5
sleep 0.5
[ "$(written)" -gt 0 ] || fail "no audio written: the sound did not open"
silent_from 0 || fail "sound heard with --mute"

xdotool key m
sleep 1
# Sound on: the chasers fire all the while, but their sound files cannot play.
before=$(written)
silent_from 0 || fail "a chaser's shot was heard from a file that cannot be played"
hold space 1.5
sleep 0.5
silent_from "$before" && fail "firing with sound on was not heard"
xdotool key Escape
wait_game_exit
expect_status 0

# No such driver: one note, and the game plays on.
export SDL_AUDIODRIVER=nosuchdriver
start_game "$data"
find_window 2
hold space 0.5
xdotool key Escape
wait_game_exit
expect_status 0
[ "$(wc -l <"$work/game.err")" = 1 ] && grep -q "^starchase: no sound: .*; playing without sound$" \
    "$work/game.err" || fail "standard error was [$(cat "$work/game.err")]"
echo "note: $(cat "$work/game.err")"
echo "ok"
