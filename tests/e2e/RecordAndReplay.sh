#!/usr/bin/env bash
# A game recorded with real keys plays back to the same end in a window and with no window; a
# recording cut off plays its whole frames; broken files and a changed catalogue are refused
# before any window opens.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
demo="$work/game.demo"

(cd "$data" && exec timeout 120 "$STARCHASE" --record "$demo" >"$work/record.out" \
    2>"$work/record.err") &
game_pid=$!
find_window 1
hold Up 0.6
xdotool keydown Left keydown space
sleep 0.8
xdotool keyup Left
hold Up 0.4
xdotool keyup space
xdotool key Escape
wait_game_exit
expect_status 0
recorded=$(cat "$work/record.out")
echo "recorded: $recorded"
[[ $recorded =~ ^demo:\ ([0-9]+)\ frames,\ [0-9]+\.[0-9]{3}\ s,\ [0-9]+\ chasers\ left,\ state\ [0-9a-f]{16}$ ]] ||
    fail "the recording ended with [$recorded]"
frames=${BASH_REMATCH[1]}

# Frames with Up, with Left and Space together, and with Space, as the file holds them.
read -r up left_fire fire < <(python3 - "$demo" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
at = 8 + 2 + 4 * 624
count, = struct.unpack_from("<I", data, at)
at += 4
for _ in range(count):
    length, = struct.unpack_from("<H", data, at)
    at += 2 + length + 8
keys = [struct.unpack_from("<H", data, o)[0] for o in range(at + 4, len(data), 6)]
print(sum(k & 1 > 0 for k in keys), sum(k & 0x44 == 0x44 for k in keys), sum(k & 0x40 > 0 for k in keys))
EOF
)
echo "frames with Up $up, Left and Space $left_fire, Space $fire"
[ "$up" -gt 0 ] && [ "$left_fire" -gt 0 ] || fail "the held keys did not reach the recording"

# Played from the folder the demo is in, the ships from --data.
status=0
(cd "$work" && timeout 120 "$STARCHASE" --data "$data" --play game.demo >"$work/play.out" \
    2>"$work/play.err") || status=$?
expect_status 0
[ "$(cat "$work/play.out")" = "$recorded" ] || fail "played in a window: [$(cat "$work/play.out")]"
[ ! -s "$work/play.err" ] || fail "playing wrote [$(cat "$work/play.err")]"
replayed=$(cd "$work" && "$SHIPYARD" replay --data "$data" "$demo") || fail "shipyard replay failed"
[ "$replayed" = "$recorded" ] || fail "replayed with no window: [$replayed]"

# Cut inside a frame, ten whole frames and the end mark short.
size=$(stat -c %s "$demo")
head -c $((size - 6 - 60 - 2)) "$demo" >"$work/cut.demo"
note="$work/cut.demo: ends inside frame $((frames - 10)) (4 of 6 bytes): replaying the $((frames - 11)) whole frames before it"
status=0
(cd "$data" && timeout 120 "$STARCHASE" --play "$work/cut.demo" >"$work/cut.out" \
    2>"$work/cut.err") || status=$?
expect_status 0
[ "$(cat "$work/cut.err")" = "starchase: $note" ] || fail "cut file: [$(cat "$work/cut.err")]"
[[ $(cat "$work/cut.out") == "demo: $((frames - 11)) frames, "* ]] || fail "cut file played to the end"
replayed=$("$SHIPYARD" replay --data "$data" "$work/cut.demo" 2>"$work/cut.err") || fail "replay cut"
[ "$replayed" = "$(cat "$work/cut.out")" ] || fail "cut file replayed: [$replayed]"
[ "$(cat "$work/cut.err")" = "shipyard: $note" ] || fail "cut file: [$(cat "$work/cut.err")]"

# Refused by both, with one line and status 1. No display is needed to see them: the game
# refuses before it opens a window.
other="$work/other"
cp -r "$data" "$other"
awk 'NR % 4 == 1 { name = $0 } NR % 4 == 3 && name == "Umbrek" { $0 = "12" } { print }' \
    "$data/alukset.txt" >"$other/alukset.txt"
head -c 100 "$demo" >"$work/header.demo"
head -c $((size - 6 * (frames + 1))) "$demo" >"$work/absurd.demo"
printf '\xff\xff\xff\xff\x00\x00' >>"$work/absurd.demo"
printf 'STARDEMO\x02\x00' >"$work/version.demo"
mkfifo "$work/pipe.demo"
expect_refusal() { # FILE DATA-FOLDER REASON
    local out
    status=0
    out=$(cd "$2" && env -u DISPLAY timeout 10 "$STARCHASE" --play "$1" 2>"$work/refused.err") ||
        status=$?
    expect_status 1
    [ -z "$out" ] && [ "$(cat "$work/refused.err")" = "starchase: $1: $3" ] ||
        fail "starchase --play $1: [$out] [$(cat "$work/refused.err")]"
    status=0
    out=$(timeout 10 "$SHIPYARD" replay --data "$2" "$1" 2>"$work/refused.err") || status=$?
    expect_status 1
    [ -z "$out" ] && [ "$(cat "$work/refused.err")" = "shipyard: $1: $3" ] ||
        fail "shipyard replay $1: [$out] [$(cat "$work/refused.err")]"
}
expect_refusal "$demo" "$other" \
    "alukset.txt differs from the recording: Umbrek has thrust 12, recorded 11"
expect_refusal "$work/missing.demo" "$data" "No such file or directory"
expect_refusal "$data/alukset.txt" "$data" "not a starchase demo: it does not begin with STARDEMO"
expect_refusal "$work/header.demo" "$data" \
    "file ends inside the header: the star seed needs 2496 bytes, 90 left"
expect_refusal "$work/version.demo" "$data" "demo format version 2 is not supported: only 1"
expect_refusal "$work/absurd.demo" "$data" \
    "frame 1 lasts 4294967295 ms: a frame lasts from 1 ms to 86400000 ms (a day)"
expect_refusal "$work/pipe.demo" "$data" "is a named pipe, not a regular file"
echo "ok"
