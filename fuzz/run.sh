#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of a fuzz build for the same time, starting from its seed files, as many
# at once as there are cores; each target's last lines are printed when it ends.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
# Seconds per target: the whole stage takes about this times the number of targets over the
# number of cores (eleven targets on two cores: about two and a half minutes).
per_target=25
build=$(cd "$1" && pwd)
seconds=${2:-$per_target}
here=$(cd "$(dirname "$0")" && pwd)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Fuzzes one target in a corpus of its own; its output goes to its log, its status is its own.
fuzz_one() { # TARGET
    local name corpus status=0
    name=$(basename "$1")
    name=${name#fuzz_}
    corpus=$(mktemp -d)
    cp "$here/seeds/$name"/* "$corpus"/
    # Inputs of up to 4 MiB from the start: enough for large images, models and catalogues.
    "$1" -max_total_time="$seconds" -max_len=4194304 -len_control=0 -print_final_stats=1 \
        "$corpus" >"$logs/$name" 2>&1 || status=$?
    rm -rf "$corpus"
    { echo "fuzzed $name for $seconds s"; tail -n 12 "$logs/$name"; } >"$logs/$name.done"
    return "$status"
}
export -f fuzz_one
export here seconds logs

status=0
printf '%s\0' "$build"/fuzz/fuzz_* | xargs -0 -n 1 -P "$(nproc)" bash -c 'fuzz_one "$0"' ||
    status=$?
cat "$logs"/*.done
exit "$status"
