#!/usr/bin/env bash
# Builds Sumburrow with its tests and runs the whole suite, each build from its CMake preset
# (CMakePresets.json), with compiler warnings as errors:
#   release  build/test: the tests by label: fast, widgets, realwindow, packaging (the Debian
#            package made, checked by lintian, installed, started and removed again among
#            them), and beside them the lint (scripts/lint.sh)
#   asan     build/asan: the same tests under the address and undefined-behaviour sanitizers
#   fuzz     build/fuzz: every libFuzzer target for SUMBURROW_FUZZ_SECONDS (default 60) each
# The window tests run on Qt's offscreen platform; the real-window, real-sound and screen-reader
# tests start their own Xvfb, PulseAudio and D-Bus session. The run fails when it leaves anything
# in /tmp, or a record in a build's own statistics file.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

# As root, the run gets a /tmp of its own (a private mount): the check at the end then sees only
# what this run left, whatever else the machine is doing, and the machine's /tmp stays untouched.
# A source tree that lies in /tmp is mounted back at its place (through an open descriptor, as
# its path now leads into the new /tmp).
if [[ -z "${SUMBURROW_PRIVATE_TMP:-}" && $(id -u) -eq 0 ]] && unshare --mount true 2> /dev/null; then
  export SUMBURROW_PRIVATE_TMP=1
  exec unshare --mount --propagation private bash -ec '
    exec 3< "$PWD"
    mount -t tmpfs -o mode=1777 sumburrow-tmp /tmp
    if [[ $PWD == /tmp/* ]]; then
      mkdir -p "$PWD"
      mount --no-canonicalize --bind /proc/self/fd/3 "$PWD"
    fi
    exec 3<&-
    cd "$PWD"
    exec bash "$0" "$@"' "$self" "$@"
fi

source scripts/packages.sh
bash scripts/deps.sh "${test_packages[@]}"

started=$SECONDS
step() { echo "=== $* ($((SECONDS - started)) s)"; }

# What is in /tmp now; the X servers' socket folders are the system's, shared by every server.
tmp_entries() { ls -A /tmp | grep -v -x -E '\.(X11|ICE|XIM|font)-unix' | sort || true; }
tmp_before=$(tmp_entries)
left_in_tmp() {
  local left
  left=$(comm -13 <(echo "$tmp_before") <(tmp_entries))
  [[ -z "$left" ]] && return 0
  echo "FAILED: the run left these in /tmp:"
  # shellcheck disable=SC2086 # one name per line
  (cd /tmp && ls -ld -- $left)
  return 1
}

# The size of a build's own statistics file (the program run from the build tree writes there).
own_stats() { stat -c %s "$1/sb/stats.sb" 2> /dev/null || echo none; }

# Runs a build's tests one label at a time, quickest first; every test must carry a label.
run_labels() {
  local preset=$1 build=$2 stats unlabelled
  unlabelled=$(ctest --preset "$preset" -N -LE '^(fast|widgets|realwindow|packaging)$' | grep -c "Test *#" || true)
  if ((unlabelled > 0)); then
    echo "FAILED: $unlabelled tests without a label:"
    ctest --preset "$preset" -N -LE '^(fast|widgets|realwindow|packaging)$'
    return 1
  fi
  stats=$(own_stats "$build")
  for label in fast widgets realwindow packaging; do
    step "$preset: $label tests"
    ctest --preset "$preset" -L "^$label\$"
  done
  if [[ $(own_stats "$build") != "$stats" ]]; then
    echo "FAILED: the tests wrote to $build/sb/stats.sb"
    return 1
  fi
}

step "release build"
cmake --preset release
cmake --build --preset release

# The lint takes minutes of processor time, and the tests spend most of theirs waiting for
# windows and sound: it runs beside them at the lowest priority, in a process group of its own.
step "lint, in the background"
set -m
nice -n 19 bash scripts/lint.sh build/test > build/test/lint.log 2>&1 &
lint=$!
set +m
trap 'kill -- -$lint 2> /dev/null || true' EXIT
run_labels release build/test

step "sanitizer build"
cmake --preset asan
cmake --build --preset asan
run_labels asan build/asan

step "waiting for the lint"
lint_status=0
wait "$lint" || lint_status=$?
trap - EXIT
cat build/test/lint.log
((lint_status == 0)) || { echo "FAILED: the lint"; exit 1; }

step "fuzz build"
cmake --preset fuzz
cmake --build --preset fuzz
step "fuzzers"
# Each fuzzer's last coverage line (cov: the code's edges it reached) and libFuzzer's summary.
ctest --preset fuzz --verbose > build/fuzz/fuzzers.log 2>&1 || { cat build/fuzz/fuzzers.log; exit 1; }
grep -E '^[0-9]+: (fuzz:|#[0-9]+|Done)|tests passed' build/fuzz/fuzzers.log

left_in_tmp
step "all passed"
