# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests: a private virtual display, the real game in a prepared
# folder, real key events, screenshots. Needs STARCHASE, SHIPYARD and WMCLOSE (the binaries);
# SDL_VARIANT=compat runs the game on the SDL 1.2 compatibility layer instead of classic SDL.
# E2E_KEEP=1 keeps the screenshots and the game's output, and prints where they are.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
# The player's records and last.demo go to the scratch folder, never to the home of whoever runs
# the tests.
export XDG_DATA_HOME="$work/xdg"
game_pid=""
xvfb_pid=""

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ -n "${E2E_KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for f in "$work"/*.out "$work"/*.err; do [ -s "$f" ] && { echo "--- $f"; cat "$f"; } >&2; done
    exit 1
}

# The game's standard error as it ended, so that the log has what the game said (a sanitizer's
# report, say) before its status or output is judged.
show_errors() {
    [ -s "$work/game.err" ] || return 0
    { echo "--- the game's standard error"; cat "$work/game.err"; } >&2
}

# The game's settings file lives here: empty, so every test starts from the defaults, and what a
# test changes in the game is kept only for that test.
export XDG_CONFIG_HOME="$work/config"

# A test machine has no sound card: the game plays into SDL's silent driver, as it would into
# one, unless a test chooses another.
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

if [ "${SDL_VARIANT:-classic}" = compat ]; then
    export LD_LIBRARY_PATH=/usr/lib/x86_64-linux-gnu/sdl12-compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    # LeakSanitizer's exit-time scan can crash among SDL2's threads ("Tracer caught signal
    # 11"); leaks are still checked in the classic SDL runs.
    [ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi

# A display of our own, so that tests running side by side never share focus or keys.
start_display() {
    exec 9>"$work/display"
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$work/display")"
}

# Writes the default game data into a new folder and prints its path.
default_data() {
    local dir="$work/data-$RANDOM"
    mkdir -p "$dir"
    "$SHIPYARD" generate "$dir" >/dev/null || fail "shipyard generate"
    echo "$dir"
}

# Sets the thrust of every ship type in DIR's catalogue but the player's to 0 (a catalogue as
# shipyard generate writes it: a field a line, each number with a comment naming its field, the
# name two lines above the thrust).
still_chasers() { # DIR
    awk '/^[^;]*; thrust,/ && name != "brightfin" { $0 = "0" } { name = model; model = $0; print }' \
        "$1/alukset.txt" >"$1/still.txt" && mv "$1/still.txt" "$1/alukset.txt"
}

# Starts the game in DIR with the ARGUMENTS, stopped after GAME_SECONDS (120); its standard
# output goes to $work/game.out.
start_game() { # DIR [ARGUMENTS...]
    game_limit=${GAME_SECONDS:-120}
    (cd "$1" && exec timeout "$game_limit" "$STARCHASE" "${@:2}" >"$work/game.out" \
        2>"$work/game.err") &
    game_pid=$!
}

# How the game that start_game started ended, once it has: stopped at its time limit, or its
# status.
game_ending() {
    local code=0
    wait "$game_pid" || code=$?
    game_pid=""
    if [ "$code" = 124 ]; then
        echo "the game was stopped at its time limit of ${game_limit:-120} s"
    else
        echo "the game ended with status $code"
    fi
}

# Looks until CHECK succeeds: a key takes effect when the game next reads it, and a loaded
# machine puts that off by seconds, so a test awaits the state it judges rather than sleeping a
# fixed time. CHECK leaves what it saw in $seen. After SECONDS, or when the game ends, the test
# fails naming WHAT it awaited and what it saw last; else one line says how long it took.
await() { # SECONDS WHAT CHECK [ARGUMENTS...]
    local start=${EPOCHREALTIME//[.,]/} until=$((SECONDS + $1)) looks=1
    seen=""
    until "${@:3}"; do
        [ -z "$game_pid" ] || kill -0 "$game_pid" 2>/dev/null ||
            fail "$(game_ending) while $2 was awaited ($looks looks; last seen: $seen)"
        [ "$SECONDS" -lt "$until" ] ||
            fail "$2 not seen within $1 s ($looks looks; last seen: $seen)"
        looks=$((looks + 1))
        sleep 0.2
    done
    local waited=$(((${EPOCHREALTIME//[.,]/} - start) / 1000))
    echo "$2 seen after $waited ms, $looks looks: ${seen:0:120}"
}

# Prints the process id of the game that start_game started (it runs under timeout).
game_process() {
    local pid
    for _ in $(seq 100); do
        pid=$(pgrep -P "$game_pid") && { echo "$pid"; return; }
        sleep 0.1
    done
    fail "the game did not start"
}

# Runs the game in DIR with the ARGUMENTS to its end (it must end by itself) and leaves its
# output in $work/game.out and $work/game.err and its exit status in $status.
run_game_to_end() { # DIR [ARGUMENTS...]
    status=0
    (cd "$1" && timeout 60 "$STARCHASE" "${@:2}" >"$work/game.out" 2>"$work/game.err") ||
        status=$?
}

wait_game_exit() {
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
}

# A CHECK for await: the game's window, in $window. A search walking a window that goes away as
# it looks (a window SDL makes and drops while starting) fails with BadWindow: the next look
# finds it.
window_found() {
    window=$(timeout 30 xdotool search --sync --name '^starchase$' 2>"$work/search.err" |
        head -n 1)
    seen=$(tail -n 1 "$work/search.err")
    [ -n "$window" ]
}

# Finds the game window, gives it the focus and leaves its id in $window.
find_window() {
    await 30 "the game window" window_found >/dev/null
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep "${1:-1.5}" # let a few frames run
}

# Screenshot of the game window, or with "root" of the whole screen (classic SDL draws a full
# screen mode in a window of its own, centred on the screen).
shot() { # NAME [root]
    import -window "${2:-$window}" "$work/$1.png" || fail "screenshot $1"
    echo "$work/$1.png"
}

measure() { python3 "$here/shot.py" "$@"; }

# A CHECK for await: the game has ended.
game_gone() {
    seen="the game running"
    ! kill -0 "$game_pid" 2>/dev/null
}

# The text in a part of a screenshot, as tesseract reads it (white text, read as dark on light);
# a small window's picture is enlarged first, as tesseract reads its text only then.
read_text() { # IMAGE X0 Y0 X1 Y1 [white] (fractions of the picture, origin top left)
    local w h crop scale=100% only=()
    read -r w h < <(identify -format '%w %h' "$1")
    [ "$w" -lt 1000 ] && scale=300%
    # White text over a lit scene (the station's ring under the corner) reads only once the
    # scene is taken out: every pixel short of white turned black.
    [ "${6:-}" = white ] && only=(-colorspace gray -threshold 88%)
    crop=$(awk -v w="$w" -v h="$h" -v x0="$2" -v y0="$3" -v x1="$4" -v y1="$5" 'BEGIN {
        printf "%dx%d+%d+%d", int((x1 - x0) * w), int((y1 - y0) * h), int(x0 * w), int(y0 * h) }')
    /usr/bin/convert "$1" -crop "$crop" -scale "$scale" "${only[@]}" -negate "$1.text.png" ||
        fail "crop $1"
    tesseract "$1.text.png" stdout 2>/dev/null
}

# The display's corner, where its lines and notes are, read from a new screenshot.
corner_text() { read_text "$(shot "$1")" 0 0 0.4 0.15; }

# A CHECK for await: the corner of a new screenshot reads TEXT.
corner_reads() { # SHOT-NAME TEXT
    local image
    image=$(shot "$1")
    seen=$({ read_text "$image" 0 0 0.4 0.15; read_text "$image" 0 0 0.4 0.15 white; } |
        tr -s ' \n' ' ')
    [[ $seen == *"$2"* ]]
}

# Pictures of the window, NAME-1.png, NAME-2.png and on, about three a second for SECONDS: run in
# the background, they hold a note that shows for a moment even when judging a
# picture takes longer than the note stays.
burst() { # NAME SECONDS
    local until=$((SECONDS + $2)) i=0
    while [ "$SECONDS" -lt "$until" ]; do
        i=$((i + 1))
        import -window "$window" "$work/$1-$i.part.png" 2>/dev/null &&
            mv "$work/$1-$i.part.png" "$work/$1-$i.png"
        sleep 0.3 # a note shows for 1.5 s
    done
}

# A CHECK for await: of the pictures burst NAME has taken since the last look, one whose corner
# is lit more than LIT (the corner's share before the note) reads TEXT.
burst_reads() { # NAME LIT TEXT
    local picture lit
    while [ -f "$work/$1-$((burst_judged + 1)).png" ]; do
        burst_judged=$((burst_judged + 1))
        picture="$work/$1-$burst_judged.png"
        read -r lit < <(measure "$picture" "lit:0,0,0.3,0.15")
        seen="picture $burst_judged: corner $lit lit, $2 before"
        at_least "$lit" "$(awk -v lit="$2" 'BEGIN { print lit + 0.01 }')" || continue
        seen+=": $(read_text "$picture" 0 0 0.4 0.15 | tr -s ' \n' ' ')"
        [[ $seen == *"$3"* ]] && return 0
    done
    return 1
}

# Presses KEY and awaits its note: the corner, lit LIT before, reading TEXT in a picture taken
# within 20 s.
expect_note() { # KEY LIT TEXT
    local taker
    burst "note-$1" 20 &
    taker=$!
    xdotool key "$1"
    burst_judged=0
    await 40 "the note $3 after $1" burst_reads "note-$1" "$2" "$3"
    kill "$taker" 2>/dev/null || true
    wait "$taker" 2>/dev/null || true
}

# Holds P until the game shows it has taken it: the scene stands still from the frame that says
# "Paused" in the corner.
hold_pause() {
    xdotool keydown p
    await 60 "the Paused note" corner_reads paused Paused
}

# The opening scene of the default data: stars, the player's ship at the centre, the scenery.
expect_opening_scene() { # SHOT-NAME
    local image stars centre wide
    image=$(shot "$1")
    read -r stars centre wide < <(measure "$image" stars lit:0.47,0.45,0.53,0.55 \
        lit:0.1,0.1,0.9,0.9)
    echo "$1: stars=$stars centre=$centre wide=$wide"
    # New stars each start and chasers closing in make the count vary: 6 to 31 seen, 0 when no
    # star is drawn.
    [ "$stars" -ge 4 ] || fail "only $stars stars"
    at_least "$centre" 0.3 || fail "no player's ship at the centre ($centre lit)"
    at_least "$wide" 0.2 || fail "no scenery below ($wide lit)"
}

hold() { # KEY SECONDS
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# Where the player's ship lies in the window, for the blue glow of its shots.
ship_centre=blue:0.44,0.42,0.56,0.58

# Holds KEY for 0.6 s and prints the most blue pixels on the ship in pictures a tenth of a second
# apart: a shot's glow lasts 0.3 s, so one picture can fall between two glows. Then awaits the
# glow's fading to within 100 pixels of BEFORE, the ship's blue pixels before any shot.
bluest_while() { # KEY BEFORE
    local bluest=0 blue
    xdotool keydown "$1"
    for i in $(seq 6); do
        sleep 0.1
        read -r blue < <(measure "$(shot "firing-$1-$i")" $ship_centre)
        [ "$blue" -gt "$bluest" ] && bluest=$blue
    done
    xdotool keyup "$1"
    faded() {
        read -r seen < <(measure "$(shot "faded-$1")" $ship_centre)
        [ "$seen" -lt $(($2 + 100)) ]
    }
    await 30 "the glow faded after $1 (blue pixels on the ship; $2 before)" faded "$1" "$2" >&2
    echo "$bluest"
}

# Fire rebound from OLD to NEW: away from the chasers and the station (see ShotsGlow.sh), NEW
# fires and OLD no longer does.
expect_fire_moved() { # NEW OLD
    local before new old
    hold Up 3
    hold Down 3
    read -r before < <(measure "$(shot before-fire)" $ship_centre)
    new=$(bluest_while "$1" "$before")
    old=$(bluest_while "$2" "$before")
    echo "blue pixels on the ship before firing $before, most with $1 $new, with $2 $old"
    [ "$new" -ge $((before + 250)) ] || fail "no shot from $1"
    [ "$old" -lt $((before + 100)) ] || fail "$2 still fires"
}

expect_output() { # EXPECTED-TEXT
    local actual
    show_errors
    actual=$(cat "$work/game.out")
    [ "$actual" = "$1" ] || fail "output was [$actual], expected [$1]"
}

expect_status() {
    show_errors
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}

# True when the number $1 is at least $2 (decimals allowed).
at_least() { python3 -c "import sys; sys.exit(0 if float('$1') >= float('$2') else 1)"; }
