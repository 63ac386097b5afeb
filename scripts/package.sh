#!/usr/bin/env bash
# Builds the Debian package of Sumburrow (build/package/sumburrow_VERSION-1_ARCH.deb): a release
# build (the package preset) installed under /usr with the game in /usr/games, its dependencies
# worked out from the binary.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${play_packages[@]}" dpkg-dev file

cmake --preset package
cmake --build --preset package
rm -f build/package/*.deb
(cd build/package && cpack -G DEB)
ls build/package/*.deb
