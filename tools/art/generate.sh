#!/usr/bin/env bash
# Rebuilds every generated picture: the twelve worm sprites and the tip bulb in assets/sb, the
# application icon (SVG and PNGs) in assets/icons. The same run always gives the same files.
# Usage: bash tools/art/generate.sh [BUILD_FOLDER]   (default build/art)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build/art}

bash "$root/scripts/deps.sh" cmake g++ make qt6-base-dev qt6-svg-dev
cmake -S "$root/tools/art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
"$build/artgen" "$root/assets"
echo "Pictures written to $root/assets/sb and $root/assets/icons."
echo "Check the sprites over the board's colours with:"
echo "  $build/artgen --preview /tmp/sumburrow-sprites.png $root/assets"
