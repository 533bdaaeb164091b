#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A game recorded with real keys plays back to the same end in a window and with no window; a
# recording cut off plays its whole frames; a long recorded frame keeps the window answering; a
# recording that meets a file size limit plays on and fails; broken files, other rules and a
# changed catalogue are refused before any window opens; a session restarted twice with R
# records, replays and plays as three chases, each with its line.
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

# The length of DEMO's header: mark, format and rules versions, star seed, ship types.
header_bytes() { # DEMO
    python3 - "$1" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
at = 8 + 2 + 2 + 4 * 624
count, = struct.unpack_from("<I", data, at)
at += 4
for _ in range(count):
    length, = struct.unpack_from("<H", data, at)
    at += 2 + length + 8
print(at)
EOF
}

# Frames with Up, with Left and Space together, and with Space, as the file holds them.
read -r up left_fire fire < <(python3 - "$demo" "$(header_bytes "$demo")" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
at = int(sys.argv[2])
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

# Played, a frame recorded as 60 s long keeps the window answering: F2 gives the small window
# drawn again, Escape ends the playback at once.
python3 - "$demo" "$work/long.demo" "$(header_bytes "$demo")" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
at = int(sys.argv[3])
frames = [(16, 0)] * 5 + [(60000, 0), (16, 0), (0, 0)]
open(sys.argv[2], "wb").write(data[:at] + b"".join(struct.pack("<IH", *f) for f in frames))
EOF
start_game "$data" --play "$work/long.demo"
find_window 1
xdotool key F2
# A CHECK for await: the game's window, found again, is 640x480 (the search is tried anew when a
# window it walks goes away, as the old mode's does).
small_window() {
    window=$(xdotool search --name '^starchase$' 2>/dev/null | head -n 1) || return 1
    seen=$(xdotool getwindowgeometry "$window" 2>&1 | tr -s ' \n' ' ')
    [[ $seen == *"Geometry: 640x480"* ]]
}
await 30 "the 640x480 window of F2 during a long frame" small_window
read -r lit < <(measure "$(shot long-frame-F2)" lit:0.4,0.4,0.6,0.6)
at_least "$lit" 0.2 || fail "not drawn again after F2 during a long frame ($lit lit)"
escaped=$(date +%s%N)
xdotool key Escape
wait_game_exit
echo "Escape to exit during a 60 s frame: $((($(date +%s%N) - escaped) / 1000000)) ms"
# (Well before the frame's end, however loaded the machine.)
(($(date +%s%N) - escaped < 20000000000)) || fail "Escape during a long frame was not answered"
expect_status 0
[ "$(cat "$work/game.err")" = "starchase: $work/long.demo: stopped after frame 6 of 7" ] ||
    fail "long frame: [$(cat "$work/game.err")]"

# Recorded under a file size limit of 3 kB: the write that meets it is said once, the game plays
# on and ends with status 1, and the part written replays to its last whole frame.
(cd "$data" && ulimit -f 3 && exec timeout 120 "$STARCHASE" --record "$work/limited.demo" \
    >"$work/game.out" 2>"$work/game.err") &
game_pid=$!
find_window 1
for _ in $(seq 300); do
    [ "$(stat -c %s "$work/limited.demo")" -lt 3072 ] || break
    sleep 0.1
done
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game ended when the recording met the limit"
xdotool key Escape
wait_game_exit
expect_status 1
expect_output ""
# The running chase, recorded beside the records as every game's is, meets the same limit in a
# line of its own.
grep -Ev "^starchase: $XDG_DATA_HOME/starchase/running-[0-9]+\.demo: File too large; the chase is no longer recorded$" \
    "$work/game.err" >"$work/limited.note" || true
[ "$(cat "$work/limited.note")" = \
    "starchase: $work/limited.demo: File too large; the recording stops here" ] ||
    fail "limited recording: [$(cat "$work/game.err")]"
[ "$(stat -c %s "$work/limited.demo")" = 3072 ] || fail "the limited recording is not 3 kB"
"$SHIPYARD" replay --data "$data" "$work/limited.demo" >"$work/limited.out" \
    2>"$work/limited.err" || fail "the limited recording does not replay"
grep -Eq "^shipyard: $work/limited.demo: (ends inside|has no end mark after) frame" \
    "$work/limited.err" &&
    grep -q '^demo: [0-9]* frames' "$work/limited.out" || fail "limited recording replayed"

# Refused by both, with one line and status 1. No display is needed to see them: the game
# refuses before it opens a window.
other="$work/other"
cp -r "$data" "$other"
awk 'NR % 4 == 1 { name = $0 } NR % 4 == 3 && name == "Umbrek" { $0 = "12" } { print }' \
    "$data/alukset.txt" >"$other/alukset.txt"
head -c 102 "$demo" >"$work/header.demo"
head -c $((size - 6 * (frames + 1))) "$demo" >"$work/absurd.demo"
printf '\xff\xff\xff\xff\x00\x00' >>"$work/absurd.demo"
printf 'STARDEMO\x04\x00' >"$work/version.demo"
printf 'STARDEMO\x02\x00\x07\x00' >"$work/rules.demo"
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
expect_refusal "$work/version.demo" "$data" "demo format version 4 is not supported: only 2 to 3"
expect_refusal "$work/rules.demo" "$data" \
    "recorded under the game's rules version 7; this game plays rules version 1"
expect_refusal "$work/absurd.demo" "$data" \
    "frame 1 lasts 4294967295 ms: a frame lasts from 1 ms to 86400000 ms (a day)"
expect_refusal "$work/pipe.demo" "$data" "is a named pipe, not a regular file"
status=0
(cd "$data" && env -u DISPLAY timeout 10 "$STARCHASE" --record "$work/pipe.demo" \
    2>"$work/refused.err") || status=$?
expect_status 1
[ "$(cat "$work/refused.err")" = \
    "starchase: $work/pipe.demo: is a named pipe, not a file to record into" ] ||
    fail "recording into a named pipe: [$(cat "$work/refused.err")]"
# A session of three chases, R pressed twice while recording: a line for each chase, the same
# three lines replayed with no window and played in the window.
(cd "$data" && exec timeout 120 "$STARCHASE" --record "$work/session.demo" \
    >"$work/session.out" 2>"$work/session.err") &
game_pid=$!
find_window 1
hold Up 0.5
xdotool key r
hold Left 0.5
xdotool key r
hold space 0.5
xdotool key Escape
wait_game_exit
expect_status 0
[ "$(grep -Ec '^demo: [0-9]+ frames, [0-9.]+ s, 12 chasers left, state [0-9a-f]{16}$' \
    "$work/session.out")" = 3 ] || fail "the session ended with [$(cat "$work/session.out")]"
"$SHIPYARD" replay --data "$data" "$work/session.demo" >"$work/session.replayed" ||
    fail "the session does not replay"
cmp -s "$work/session.out" "$work/session.replayed" ||
    fail "the session replayed to [$(cat "$work/session.replayed")]"
(cd "$data" && timeout 120 "$STARCHASE" --play "$work/session.demo" >"$work/session.played") ||
    fail "the session does not play"
cmp -s "$work/session.out" "$work/session.played" ||
    fail "the session played to [$(cat "$work/session.played")]"
echo "ok"
