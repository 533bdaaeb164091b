#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times shipyard replay of the 10-minute recording replay_bench makes, in a folder of freshly
# generated default data, and gives the time as a multiple of the game's own 600 seconds.
# Usage: bench/replay.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
"$build/tools/shipyard/shipyard" generate "$data" >/dev/null
"$build/bench/replay_bench" --write "$data/pilot.demo"
cd "$data"
start=$(date +%s.%N)
"$build/tools/shipyard/shipyard" replay pilot.demo
end=$(date +%s.%N)
python3 -c "s = $end - $start; print(f'shipyard replay: {s:.2f} s for 600 s of game, {600 / s:.0f} times real time')"
