#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A best chase whose demo holds a long pause: `shipyard records --add` keeps the chase with the
# pause held as one frame (its demo one frame longer than the same chase's without the pause), and
# Enter on the options' best-chase row proves it in a process beside the game, whose verdict the
# options show once it comes.
source "$(dirname "$0")/lib.sh"
start_display
data=$(default_data)
export XDG_DATA_HOME="$work/xdg"

# The pilot's demo with 5000 paused frames of 1 ms after its 10th frame.
python3 - "$here/../data/pilot.demo" "$work/paused.demo" <<'EOF'
import struct, sys
demo = open(sys.argv[1], 'rb').read()
at = 8 + 2 + 2 + 624 * 4
types = struct.unpack_from('<I', demo, at)[0]
at += 4
for _ in range(types):
    at += 2 + struct.unpack_from('<H', demo, at)[0] + 8
at += 10 * 6
open(sys.argv[2], 'wb').write(demo[:at] + struct.pack('<IH', 1, 0x80) * 5000 + demo[at:])
EOF
XDG_DATA_HOME="$work/plain" "$SHIPYARD" records --add "$here/../data/pilot.demo" --data "$data" \
    >"$work/plain.out" || fail "records --add of the pilot: [$(cat "$work/plain.out")]"
"$SHIPYARD" records --add "$work/paused.demo" --data "$data" >"$work/add.out" ||
    fail "records --add of the paused pilot: [$(cat "$work/add.out")]"
plain=$(stat -c %s "$work"/plain/starchase/best-*.demo)
paused=$(stat -c %s "$XDG_DATA_HOME"/starchase/best-*.demo)
echo "best demos kept: $plain bytes from the pilot, $paused from it paused"
[ "$paused" = $((plain + 6)) ] || fail "the pause was not kept as one frame"

# The options' lines as tesseract reads them (white text, read as dark on light).
options_text() { # SHOT-NAME
    local image
    image=$(shot "$1")
    /usr/bin/convert "$image" -negate "$image.text.png" || fail "negate $1"
    tesseract "$image.text.png" stdout 2>/dev/null
}

GAME_SECONDS=120 start_game "$data" --window 1024x768 --no-hints
find_window 1
xdotool key o
sleep 0.3
xdotool key Up Return # the best chase is the row above the first
# A CHECK for await: the options show the proof's verdict, not "proving: ..." any more.
looked=0
proof_settled() {
    looked=$((looked + 1))
    seen=$(options_text "proof-$looked" | grep -Ew "verified|not verified:.*|proving:.*" |
        tail -n 1 || true)
    [ -n "$seen" ] && [ "${seen#proving}" = "$seen" ]
}
await 60 "the best chase's verdict" proof_settled
verdict=$seen
echo "the options say: [$verdict]"
[ "$verdict" = "verified" ] || fail "the best chase was not verified in the options"
xdotool key Escape
sleep 0.5
kill -0 "$(game_process)" 2>/dev/null || fail "Escape in the options quit the game"
xdotool key Escape
wait_game_exit
expect_status 0
echo "ok"
