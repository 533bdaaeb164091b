#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game standing still (no key held, no keys panel) with freshly generated default data on a
# virtual display: its processor time and frames over SECONDS, with no frame cap (fps = 0: the
# loop spinning on the millisecond clock, as the game always ran) against the default cap (fps =
# auto: the display's refresh rate, 60 on a virtual display that reports none), and the capped
# game with its window left (the focus given to the root window: paused, it rests), the three
# taken in turn ROUNDS times in one run. Prints each run, then the medians and the ratios to the
# uncapped game.
# Usage: bench/idle.sh BUILD_DIR [SECONDS (20)] [ROUNDS (3)]
#   SDL_VARIANT=compat  on the SDL 1.2 compatibility layer instead of classic SDL
#   IDLE_CAP=N          the capped runs at fps = N (auto, the default setting)
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-20}
rounds=${3:-3}
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
work=$(mktemp -d)
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
"$build/tools/shipyard/shipyard" generate "$work/data" >/dev/null
[ "${SDL_VARIANT:-classic}" = compat ] &&
    export LD_LIBRARY_PATH=/usr/lib/x86_64-linux-gnu/sdl12-compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/starchase"
ticks=$(getconf CLK_TCK)
root=$(xwininfo -root | awk '/Window id/ { print $4 }')
cap=${IDLE_CAP:-auto}

# The game's user and system time in clock ticks, threads included.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
frames() { tr -d ' ' <"$work/frames"; }

# Runs the game with `fps = CAP` and no keys panel (it costs a millisecond or two a frame), its
# window focused, then left when asked, and prints "CPU-PERCENT FRAME-MILLISECONDS".
measure() { # CAP [left]
    printf 'fps = %s\nhints = off\n' "$1" >"$XDG_CONFIG_HOME/starchase/settings"
    rm -f "$work/frames"
    (cd "$work/data" && FRAME_COUNT_FILE="$work/frames" LD_PRELOAD="$build/tests/libframecount.so" \
        exec "$build/app/starchase" >/dev/null 2>&1) &
    game=$!
    xdotool windowfocus --sync "$(timeout 30 xdotool search --sync --name "^starchase$" | head -n 1)"
    [ "${2:-}" = left ] && xdotool windowfocus --sync "$root"
    sleep 3 # loading and the first frames
    local cpu0 frames0 cpu1 frames1
    cpu0=$(cpu_ticks) frames0=$(frames)
    sleep "$seconds"
    cpu1=$(cpu_ticks) frames1=$(frames)
    kill -TERM "$game" && wait "$game" || true
    game=""
    python3 -c "print(f'{($cpu1 - $cpu0) / $ticks / $seconds * 100:.1f}', \
f'{$seconds * 1000 / max($frames1 - $frames0, 1):.2f}')"
}

echo "idle for $seconds s, ${SDL_VARIANT:-classic} SDL, $rounds rounds: CPU % of one core, ms a frame"
: >"$work/uncapped"
: >"$work/capped"
: >"$work/left"
for round in $(seq "$rounds"); do
    read -r cpu frame < <(measure 0)
    echo "$cpu $frame" >>"$work/uncapped"
    echo "round $round: no cap  $cpu %  $frame ms"
    read -r cpu frame < <(measure "$cap")
    echo "$cpu $frame" >>"$work/capped"
    echo "round $round: fps $cap $cpu %  $frame ms"
    read -r cpu frame < <(measure "$cap" left)
    echo "$cpu $frame" >>"$work/left"
    echo "round $round: left    $cpu %  $frame ms"
done
python3 - "$cap" "$work/uncapped" "$work/capped" "$work/left" <<'PY'
import statistics, sys
cap = sys.argv[1]
runs = [[list(map(float, line.split())) for line in open(path)] for path in sys.argv[2:]]
(free_cpu, free_ms), (cap_cpu, cap_ms), (left_cpu, left_ms) = [
    (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs)) for rs in runs]
print(f"median, no cap:  {free_cpu:.1f} % CPU, {free_ms:.2f} ms a frame")
print(f"median, fps {cap}: {cap_cpu:.1f} % CPU, {cap_ms:.2f} ms a frame")
print(f"median, left:    {left_cpu:.1f} % CPU, {left_ms:.2f} ms a frame")
print(f"capped / uncapped CPU: {cap_cpu / free_cpu:.2f}; left / uncapped: {left_cpu / free_cpu:.2f}")
PY
