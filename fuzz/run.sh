#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of a fuzz build for the same time, starting from its seed files.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
# Seconds per target: the whole stage takes about this times the number of targets (25 s keeps
# nine targets near four minutes).
per_target=25
build=$1
seconds=${2:-$per_target}
here=$(cd "$(dirname "$0")" && pwd)
for target in "$build"/fuzz/fuzz_*; do
    name=$(basename "$target")
    name=${name#fuzz_}
    corpus=$(mktemp -d)
    cp "$here/seeds/$name"/* "$corpus"/
    echo "fuzzing $name for $seconds s"
    # Inputs of up to 4 MiB from the start: enough for large images, models and catalogues.
    "$target" -max_total_time="$seconds" -max_len=4194304 -len_control=0 -print_final_stats=1 \
        "$corpus" 2>&1 | tail -n 12
    rm -rf "$corpus"
done
