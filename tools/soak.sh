#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Soak: the real game for MINUTES under random held keys, with F1, F2 and a window resize every
# 30 s (counted in key time, so that a seed replays the same order) and Escape at the end.
# Fails on a sanitizer report, a crash (its backtrace is printed), an exit status other than 0,
# a game that stops drawing, or resident memory that keeps growing (the mean of the last third
# of the 10-second samples, taken after 10 s of warm-up, more than 10% above the first third's,
# and the last sample above every one before it).
#
#   tools/soak.sh MINUTES
#   SDL_VARIANT=compat  on the SDL 1.2 compatibility layer instead of classic SDL
#   SOAK_SEED=N         the same keys and mode changes as the run that printed this seed
#   SOAK_BUILD=DIR      the build to run (build-sanitize: ASan and UBSan)
#   SOAK_MODE_EVERY=S   seconds between rounds of F1, F2 and a resize (30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:?usage: tools/soak.sh MINUTES}
build=$(cd "${SOAK_BUILD:-$root/build-sanitize}" && pwd)
mode_every=${SOAK_MODE_EVERY:-30}
export STARCHASE=$build/app/starchase SHIPYARD=$build/tools/shipyard/shipyard
[ -x "$STARCHASE" ] && [ -x "$SHIPYARD" ] || { echo "soak: build $build first" >&2; exit 1; }

# The sanitizers as the test suite sets them (a build without them ignores these), but a report
# ends the game with an abort and a core dump, and freed memory is held back 16 MB deep, not
# 256 MB: the default quarantine fills for minutes and would read as growth. The preloads go to
# the game alone.
preload=$build/tests/libframecount.so
[ -f "$build/tests/libnodlclose.so" ] && preload="$build/tests/libnodlclose.so:$preload"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=1:abort_on_error=1:disable_coredump=0"
ASAN_OPTIONS+=":quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:abort_on_error=1"
ulimit -c unlimited

source "$root/tests/e2e/lib.sh"
sampler_pid=""
trap '[ -n "$sampler_pid" ] && kill "$sampler_pid" 2>/dev/null; cleanup' EXIT

seed=${SOAK_SEED:-$(($(od -An -N2 -tu2 /dev/urandom) % 32768))}
RANDOM=$seed
echo "soak: ${SDL_VARIANT:-classic} SDL, $minutes min, $(basename "$build"), seed $seed" \
    "(SOAK_SEED=$seed replays its keys)"

sleep_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }
game_running() { kill -0 "$game" 2>/dev/null; }

# Every 10 s after the first 10, which are warm-up (one sanitizer run stepped up 38 MB between
# 10 s and 20 s and stayed flat after; a one-off step is not growth): the game's resident memory
# in kB and the frames drawn so far.
sample() {
    local rss frames
    sleep 10
    while sleep 10; do
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$game/status" 2>/dev/null) || break
        [ -n "$rss" ] || break
        frames=$(cat "$work/frames" 2>/dev/null || echo 0)
        echo "$rss $((frames))" >>"$work/samples"
    done
}

# After a mode change: the window that now has the game's name gets the focus (classic SDL
# draws full screen in a window of its own).
focus_game() {
    local found
    for _ in $(seq 100); do
        game_running || return 0
        found=$(xdotool search --name '^starchase$' 2>/dev/null | head -n 1) || true
        if [ -n "$found" ]; then
            window=$found
            timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
            return 0
        fi
        sleep 0.1
    done
    fail "no game window 10 s after a mode change"
}

keys=(Up Down Left Right Control_L Alt_L space p t)
holds=0 pressed=0 f1=0 f2=0 resizes=0
planned=0 # milliseconds of holds and pauses so far: the schedule that a seed replays

hold_random_keys() {
    local count=1 chosen=() ms pause
    ((RANDOM % 3 == 0)) && count=$((2 + RANDOM % 2))
    for ((i = 0; i < count; i++)); do chosen+=("${keys[RANDOM % ${#keys[@]}]}"); done
    ms=$((50 + RANDOM % 1950))
    pause=$((RANDOM % 300))
    xdotool keydown "${chosen[@]}"
    sleep_ms "$ms"
    xdotool keyup "${chosen[@]}"
    sleep_ms "$pause"
    planned=$((planned + ms + pause))
    holds=$((holds + 1))
    pressed=$((pressed + count))
}

mode_step() { # 1: F1, 2: F2, 3: a resize
    case $1 in
    1) xdotool key F1 && f1=$((f1 + 1)) ;;
    2) xdotool key F2 && f2=$((f2 + 1)) ;;
    3)
        timeout 5 xdotool windowsize --sync "$window" $((320 + RANDOM % 880)) \
            $((240 + RANDOM % 720)) 2>/dev/null || true
        resizes=$((resizes + 1))
        ;;
    esac
    sleep 0.3
    focus_game
}

start_display
data=$(default_data)
LD_PRELOAD=$preload FRAME_COUNT_FILE=$work/frames GAME_SECONDS=$((minutes * 60 + 120)) start_game "$data"
game=$(game_process)
find_window 2
sample </dev/null >/dev/null 2>&1 &
sampler_pid=$!

deadline=$((SECONDS + minutes * 60))
next_round=$((mode_every * 1000)) step=0 step_due=0
while [ "$SECONDS" -lt "$deadline" ] && game_running; do
    if ((step == 0 && planned >= next_round)); then
        step=1 step_due=$planned next_round=$((next_round + mode_every * 1000))
    fi
    if ((step > 0 && planned >= step_due)); then
        mode_step "$step"
        step=$(((step + 1) % 4)) step_due=$((planned + 1000 + RANDOM % 4000))
    fi
    game_running && hold_random_keys
done

# Sampling ends before Escape: shutting down (and the leak check) is not play.
kill "$sampler_pid" 2>/dev/null || true
sampler_pid=""
if game_running; then
    xdotool key Escape
    for _ in $(seq 300); do game_running && sleep 0.1; done
    if game_running; then
        echo "soak: the game did not end within 30 s of Escape; aborting it for a backtrace"
        kill -ABRT "$game"
    fi
fi
wait_game_exit

frames=$(cat "$work/frames" 2>/dev/null || echo 0)
echo "soak: $((frames)) frames, $holds holds of $pressed keys, $f1 F1, $f2 F2, $resizes resizes"
echo "soak: exit status $status"
problems=()
[ "$status" = 0 ] || problems+=("exit status $status")
if grep -qE 'Sanitizer|runtime error' "$work/game.err"; then
    problems+=("a sanitizer report")
    cat "$work/game.err"
fi
cores=("$data"/core*)
if [ -f "${cores[0]}" ]; then
    problems+=("a core dump")
    gdb -batch -q -ex 'echo --- the thread that crashed\n' -ex 'bt 40' \
        -ex 'echo --- every thread\n' -ex 'thread apply all bt 12' "$STARCHASE" "${cores[0]}" 2>&1 |
        grep -v '^warning:' | head -n 250
elif [ "$status" -ge 128 ]; then
    echo "soak: no core dump in $data (core pattern $(cat /proc/sys/kernel/core_pattern))"
fi

if [ -s "$work/samples" ]; then
    echo "soak: samples (resident kB, frames):$(awk '{ printf " %s,%s", $1, $2 }' "$work/samples")"
    read -r count first last rising stalls < <(awk '
        { rss[NR] = $1; if (NR > 1 && $2 == frames) stalls++; frames = $2
          if (NR > 1 && rss[NR - 1] > peak) peak = rss[NR - 1] }
        END {
            third = int(NR / 3)
            for (i = 1; i <= third; i++) { a += rss[i]; b += rss[NR - third + i] }
            if (third) { a /= third; b /= third }
            printf "%d %d %d %d %d\n", NR, a, b, (NR > 1 && rss[NR] > peak), stalls
        }' "$work/samples")
    if [ "$count" -ge 3 ]; then
        echo "soak: resident memory, mean of the first third $first kB, of the last third" \
            "$last kB ($(((last - first) * 100 / first))%), $([ "$rising" = 1 ] || echo "not ")rising" \
            "at the end"
        # A one-off step levels off below its peak; memory that keeps growing makes a new peak
        # at the last sample.
        [ $((last * 100)) -le $((first * 110)) ] || [ "$rising" = 0 ] ||
            problems+=("memory grew by more than 10% and was still rising")
    fi
    [ "$stalls" = 0 ] || problems+=("no frame drawn in $stalls of the 10-second samples")
fi

[ "${#problems[@]}" -eq 0 ] || fail "$(IFS=,; echo "${problems[*]}" | sed 's/,/, /g')"
echo "ok"
