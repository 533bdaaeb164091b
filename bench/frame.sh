#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the frame benchmark in a folder of freshly generated default data on a virtual display,
# with SDL's silent audio driver unless SDL_AUDIODRIVER names another.
# Usage: bench/frame.sh BUILD_DIR [benchmark flags...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
"$build/tools/shipyard/shipyard" generate "$data"
cd "$data"
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$build/bench/frame_bench" "$@"
