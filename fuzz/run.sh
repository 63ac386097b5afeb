#!/usr/bin/env bash
# Runs the fuzzers of a fuzz build for a bounded time each from its committed seed corpus.
#   fuzz/run.sh BUILD_DIR [SECONDS_EACH [NAME...]]
# SECONDS_EACH defaults to $SUMBURROW_FUZZ_SECONDS, else 60; NAMEs pick fuzzers (default: all).
# A fuzzer named NAME lives in BUILD_DIR/fuzz/FOLDER/NAME and its seeds in fuzz/FOLDER/corpus/NAME.
# New inputs, the log and any crashing input go to BUILD_DIR/fuzz-work/NAME; the committed corpus
# is only read. The work folder is removed after a clean run and kept after a failure.
# `ctest --preset fuzz` runs each fuzzer through this script as a test of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)
seconds=${2:-${SUMBURROW_FUZZ_SECONDS:-60}}
shift $(($# < 2 ? $# : 2))
wanted=" $* "
status=0
found=0
for seeds in fuzz/*/corpus/*/; do
  seeds=${seeds%/}
  name=$(basename "$seeds")
  [[ $# -eq 0 || "$wanted" == *" $name "* ]] || continue
  folder=$(dirname "$(dirname "$seeds")")
  binary="$build/$folder/$name"
  if [[ ! -x "$binary" ]]; then
    echo "fuzz: $binary was not built" >&2
    status=1
    continue
  fi
  found=$((found + 1))
  work="$build/fuzz-work/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus"
  echo "fuzz: $name for ${seconds}s"
  if ! "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$work/" "$work/corpus" "$seeds" > "$work/log" 2>&1; then
    tail -n 40 "$work/log" >&2
    echo "fuzz: $name failed; its log and crashing input are in $work" >&2
    status=1
    continue
  fi
  # The last coverage line and libFuzzer's closing words.
  grep -E "^#[0-9]+" "$work/log" | tail -n 1
  tail -n 1 "$work/log"
  rm -rf "$work"
done
[[ $# -eq 0 || $found -eq $# ]] || { echo "fuzz: no fuzzer named in: $*" >&2; status=1; }
echo "fuzz: $found fuzzers run"
exit $status
