#!/usr/bin/env bash
# The Debian package: made by CPack from a release build, checked by lintian (no errors, no
# warnings), installed with dpkg, started once in a real window, and removed again. Installing
# needs root or sudo; without them the test ends as skipped (77) after lintian.
#   deb_test.sh BUILD_DIR REAL_WINDOW_TEST
set -euo pipefail
build=$1
real_window=$2
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/sumburrow_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends
# lintian keeps a scratch file of its own in the temporary folder: it gets one in the build tree.
lintian_tmp=$(mktemp -d "$build/lintian.XXXXXX")
TMPDIR=$lintian_tmp lintian --fail-on error,warning "$deb"
rm -rf "$lintian_tmp"
echo "lintian: no errors, no warnings"

if [[ -n "$sudo" ]] && ! sudo -n true 2> /dev/null; then
  echo "skipped: installing the package needs root, or sudo without a password"
  exit 77
fi

if dpkg-query -W -f='${Status}' sumburrow 2> /dev/null | grep -q "install ok installed"; then
  echo "FAILED: sumburrow is already installed on this machine; not touching it"
  exit 1
fi
$sudo dpkg -i "$deb" > /dev/null
trap '$sudo dpkg -r sumburrow > /dev/null' EXIT
[[ -x /usr/games/sumburrow ]] || { echo "FAILED: /usr/games/sumburrow missing"; exit 1; }
grep -q "^Exec=sumburrow" /usr/share/applications/org.sumburrow.sumburrow.desktop
bash "$real_window" /usr/games/sumburrow '$XDG_DATA_HOME/Sumburrow/stats.sb'
$sudo dpkg -r sumburrow > /dev/null
trap - EXIT
[[ ! -e /usr/games/sumburrow ]] || { echo "FAILED: dpkg -r left the program"; exit 1; }
echo "installed, started and removed: passed"
