#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test: the normal build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, a one-minute soak of that build on each
# SDL variant, and each fuzz target for the time fuzz/run.sh gives it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --dev
source tools/virtual-display.sh
jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== build and test with sanitizers"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSTARCHASE_SANITIZE=ON \
      -DSTARCHASE_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== soak: the sanitizer build under random keys and mode changes, 1 minute on each SDL"
tools/soak.sh 1
SDL_VARIANT=compat tools/soak.sh 1

echo "== fuzz"
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DSTARCHASE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs"
fuzz/run.sh build-fuzz
