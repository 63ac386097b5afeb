#!/usr/bin/env bash
# Builds a release build of Sumburrow (the play preset, build/play) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${play_packages[@]}"

cmake --preset play
cmake --build --preset play

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: set DISPLAY (or run under xvfb-run) to see the window." >&2
fi
exec build/play/sumburrow "$@"
