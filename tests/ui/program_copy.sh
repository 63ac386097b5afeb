#!/usr/bin/env bash
# Runs a real-program test on a copy of the program in a folder of its own, so the statistics
# records its games leave land in that folder's sb/stats.sb, never in the build's own file, and
# tests running side by side never share one. The folder lies in the build tree (a test stopped
# by its timeout leaves nothing in /tmp) and is removed afterwards.
#   program_copy.sh TEST_SCRIPT PROGRAM [ARGUMENTS...]   runs: bash TEST_SCRIPT COPY ARGUMENTS...
set -uo pipefail
script=$1
program=$2
shift 2
build=$(cd "$(dirname "$program")" && pwd)

mkdir -p "$build/test-programs"
copy=$(mktemp -d "$build/test-programs/$(basename "$script" .sh).XXXXXX") || exit 1
trap 'rm -rf "$copy"' EXIT
# A hard link where it can be one: the program finds its data beside its own real path.
ln "$program" "$copy/" 2> /dev/null || cp "$program" "$copy/" || exit 1
# The data files are shared, read-only; sb/ itself is the copy's own, for the records.
cp -rs "$build/sb" "$copy/sb" || exit 1
rm -f "$copy/sb/stats.sb"
ln -s "$build/sound" "$copy/sound"
ln -s "$build/icons" "$copy/icons"

bash "$script" "$copy/$(basename "$program")" "$@"
