#!/usr/bin/env bash
# Builds the Debian package of Sumburrow (build/package/sumburrow_VERSION_ARCH.deb): a release
# build installed under /usr with the game in /usr/games, its dependencies worked out from the
# binary.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${play_packages[@]}" dpkg-dev file

cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DSUMBURROW_TESTS=OFF \
  -DSUMBURROW_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
cmake --build build/package -j2
rm -f build/package/*.deb
(cd build/package && cpack -G DEB)
ls build/package/*.deb
