#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game, writes the default data into data/ unless it is
# there already (a modder's ships are kept), and plays.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target starchase shipyard
[ -e data/alukset.txt ] || build/tools/shipyard/shipyard generate data
cd data
exec ../build/app/starchase
