#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game heard through SDL's disk audio driver: sound files that cannot be played leave their
# events silent and are named once, --mute is silence, M turns the sound on and firing is then
# heard, from a file neither SDL's own loader would play; the mix never reaches full scale, with
# or without firing; with an audio driver that does not exist, or ALSA with no card, the game
# still plays, after its one note.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
# The chasers' sounds cannot play: a truncated file, a folder, a named pipe.
head -c 1000 "$data/sounds/chaser-shot.wav" >"$work/cut.wav"
mv "$work/cut.wav" "$data/sounds/chaser-shot.wav"
rm "$data/sounds/hit.wav" && mkdir "$data/sounds/hit.wav"
rm "$data/sounds/breakup.wav" && mkfifo "$data/sounds/breakup.wav"
# The player's shot as broadcast recorders write one, a JUNK chunk before the format, and with a
# block alignment of 0: classic SDL refuses the first, the compatibility layer the second.
python3 - "$data/sounds/shot.wav" <<'PY'
import struct, sys
wav = open(sys.argv[1], "rb").read()
fmt = bytearray(wav[12:36])
fmt[20:22] = b"\0\0"  # block alignment
body = b"WAVE" + b"JUNK" + struct.pack("<I", 28) + bytes(28) + bytes(fmt) + wav[36:]
open(sys.argv[1], "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)
PY

audio="$work/audio.raw"
# The loudest of the 16-bit samples written from byte FROM on (to byte TO, or the end).
loudest_from() { # FROM [TO]
    python3 - "$audio" "$1" "${2:-}" <<'PY'
import array, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 2 * 2:]
if sys.argv[3]:
    data = data[:int(sys.argv[3]) - int(sys.argv[2])]
samples = array.array("h", data[:len(data) // 2 * 2])
loud = max((abs(s) for s in samples), default=0)
full = sum(1 for s in samples if abs(s) >= 32767)
print(f"{len(samples)} samples, loudest {loud}, {full} at full scale", file=sys.stderr)
print(loud)
PY
}
silent_from() { [ "$(loudest_from "$@")" = 0 ]; }
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
for sound in chaser-shot hit breakup; do
    [ "$(grep -c "^starchase: sounds/$sound.wav: cannot be played: .* will be silent$" \
        "$work/game.err")" = 1 ] || fail "$sound.wav not named once: [$(cat "$work/game.err")]"
done
grep "sounds/shot.wav" "$work/game.err" && fail "the player's shot was refused"

# Every sound playable: 10 s with no key held (twelve chasers firing together), then 10 s of
# firing. No sample reaches full scale.
data=$(default_data)
rm -f "$audio"
start_game "$data"
find_window 0
sleep 10
quiet=$(written)
hold space 10
xdotool key Escape
wait_game_exit
expect_status 0
loud=$(loudest_from 0 "$quiet")
[ "$loud" -gt 0 ] && [ "$loud" -lt 32767 ] || fail "loudest sample with no key held: $loud"
loud=$(loudest_from "$quiet")
[ "$loud" -gt 0 ] && [ "$loud" -lt 32767 ] || fail "loudest sample while firing: $loud"

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

# ALSA with no card says nothing of its own; with a card the game has sound and no note.
export SDL_AUDIODRIVER=alsa
start_game "$data"
find_window 1
xdotool key Escape
wait_game_exit
expect_status 0
! grep -q "^ALSA lib" "$work/game.err" && [ "$(wc -l <"$work/game.err")" -le 1 ] ||
    fail "standard error with ALSA was [$(cat "$work/game.err")]"
echo "ok"
