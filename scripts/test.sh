#!/usr/bin/env bash
# Builds Sumburrow with its tests and runs the whole suite: the release build's tests plus the
# game rules' tests built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make pkg-config qt6-base-dev libgtest-dev

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMBURROW_SANITIZE=ON \
  -DSUMBURROW_GUI=OFF -DSUMBURROW_BENCH=OFF
cmake --build build/asan -j2 --target core_tests

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release \
  -DSUMBURROW_SANITIZED_CORE_TESTS="$PWD/build/asan/tests/core_tests"
cmake --build build/test -j2

ctest --test-dir build/test -j2 --output-on-failure
