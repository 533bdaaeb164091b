#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game, writes the default data into data/ unless it is
# there already (a modder's ships are kept), draws the window's icon there, and plays.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target starchase shipyard
[ -e data/alukset.txt ] || build/tools/shipyard/shipyard generate data
[ -e data/starchase.png ] || build/tools/shipyard/shipyard render --size 64 \
    data/models/brightfin.ms3d data/starchase.png
cd data
exec ../build/app/starchase
