#!/usr/bin/env bash
# Builds Sumburrow with its tests and runs the whole suite: the release build's tests, the same
# tests built with the address and undefined-behaviour sanitizers, and the fuzzers for a bounded
# time, and the Debian package made, checked, installed and removed. The window tests run on
# Qt's offscreen platform; the real-window, real-sound and screen-reader tests start their own
# Xvfb, PulseAudio and D-Bus session.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${test_packages[@]}"
fuzz_seconds=${SUMBURROW_FUZZ_SECONDS:-60}

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release
cmake --build build/test -j2
ctest --test-dir build/test -j2 --output-on-failure
# The Debian package of this build: lintian, then installed, started and removed again.
bash tests/packaging/deb_test.sh build/test tests/ui/real_window_test.sh

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMBURROW_SANITIZE=ON \
  -DSUMBURROW_BENCH=OFF
cmake --build build/asan -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/leaks.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan -j2 --output-on-failure

CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMBURROW_FUZZ=ON \
  -DSUMBURROW_GUI=OFF -DSUMBURROW_TESTS=OFF -DSUMBURROW_BENCH=OFF
cmake --build build/fuzz -j2
bash fuzz/run.sh build/fuzz "$fuzz_seconds"
