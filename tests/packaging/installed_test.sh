#!/usr/bin/env bash
# The game as installed: `cmake --install` into a folder of its own, then the installed program
# played in a real window; its statistics must go to the user's data folder.
#   installed_test.sh BUILD_DIR REAL_WINDOW_TEST
set -uo pipefail
build=$1
real_window=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "FAILED: cmake --install"; exit 1; }
program=$(find "$prefix" -type f -name sumburrow -perm -u+x | head -n 1)
[[ -n "$program" ]] || { echo "FAILED: no program installed"; exit 1; }
for file in share/applications/org.sumburrow.sumburrow.desktop \
            share/metainfo/org.sumburrow.sumburrow.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.sumburrow.sumburrow.svg \
            share/icons/hicolor/48x48/apps/org.sumburrow.sumburrow.png \
            share/man/man6/sumburrow.6.gz share/sumburrow/sb/wN1.bmp share/sumburrow/sound/sbok.wav; do
  [[ -f "$prefix/$file" ]] || { echo "FAILED: $file not installed"; exit 1; }
done
bash "$real_window" "$program" '$XDG_DATA_HOME/Sumburrow/stats.sb'
