#!/usr/bin/env bash
# Builds a release build of Sumburrow and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${play_packages[@]}"

cmake -S . -B build/play -DCMAKE_BUILD_TYPE=Release -DSUMBURROW_TESTS=OFF -DSUMBURROW_BENCH=OFF
cmake --build build/play -j2

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: set DISPLAY (or run under xvfb-run) to see the window." >&2
fi
exec build/play/sumburrow "$@"
