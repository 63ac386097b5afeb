#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a bounded time from its committed seed corpus.
#   fuzz/run.sh BUILD_DIR [SECONDS_EACH]
# A fuzzer named NAME lives in BUILD_DIR/fuzz/FOLDER/NAME and its seeds in fuzz/FOLDER/corpus/NAME.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=${2:-60}
status=0
found=0
for folder in fuzz/*/; do
  folder=${folder%/}
  [[ -d "$folder/corpus" ]] || continue
  for seeds in "$folder"/corpus/*/; do
    seeds=${seeds%/}
    name=$(basename "$seeds")
    binary="$build/$folder/$name"
    if [[ ! -x "$binary" ]]; then
      echo "fuzz: $binary was not built" >&2
      status=1
      continue
    fi
    found=$((found + 1))
    work=$(mktemp -d)
    echo "fuzz: $name for ${seconds}s"
    # New inputs go to a scratch folder; the committed corpus is only read.
    if ! "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$work/" "$work" "$seeds" > "$work/log" 2>&1; then
      tail -n 40 "$work/log" >&2
      echo "fuzz: $name failed; crashing input left in $work" >&2
      status=1
      continue
    fi
    tail -n 2 "$work/log"
    rm -rf "$work"
  done
done
echo "fuzz: $found fuzzers run"
exit $status
