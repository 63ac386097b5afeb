#!/usr/bin/env bash
# Checks the C++ sources against the committed style and checks: every C++ file with clang-format
# (.clang-format), then clang-tidy (.clang-tidy) over every project source in the release build's
# compile database. Any formatting difference or clang-tidy finding fails, except the findings
# listed in scripts/lint-known.txt (files being reworked; each fix removes its line there).
#   scripts/lint.sh [BUILD_DIR [FILE...]]   (default build/test, from `cmake --preset release`;
#                                            FILEs limit both checks to those files)
# SUMBURROW_LINT_JOBS sets how many clang-tidy processes run at once (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
shift $(($# > 0 ? 1 : 0))
only=("$@")
jobs=${SUMBURROW_LINT_JOBS:-2}
known=scripts/lint-known.txt

sources=("${only[@]}")
((${#only[@]} > 0)) || mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "lint: clang-format on ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

database="$build/compile_commands.json"
[[ -f "$database" ]] || { echo "lint: no $database; build the release build first" >&2; exit 1; }
# The project's own translation units (not the build's generated ones), one per line.
mapfile -t units < <(python3 - "$database" "$PWD" "${only[@]}" <<'EOF'
import json, os, sys
root = sys.argv[2] + os.sep
only = {os.path.normpath(f) for f in sys.argv[3:]}
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    relative = path[len(root):] if path.startswith(root) else None
    if relative and relative.split(os.sep)[0] in ("src", "tests", "bench", "tools", "fuzz"):
        if not only or relative in only:
            print(relative)
EOF
)
echo "lint: clang-tidy on ${#units[@]} files, $jobs at a time"
((${#units[@]} > 0)) || { echo "lint: clean"; exit 0; }
out=$(mktemp -d "$build/lint.XXXXXX")
trap 'rm -rf "$out"' EXIT
# Compiler warnings are the compiler's to report (the build has them as errors); clang-tidy
# reports its checks. Each file's report goes to a file of its own, so reports never interleave.
printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} bash -c '
  report="$2/$(echo "$1" | tr / _).txt"
  clang-tidy -p "$0" --quiet --extra-arg=-Wno-error --extra-arg=-Wno-unknown-warning-option \
    "$1" > "$report" 2>&1 || echo "$1: error: clang-tidy exited with status $? [clang-tidy]" >> "$report"
' "$build" {} "$out"

# Findings as "file check" (paths relative to the source tree), and their full reports.
findings=$(cat "$out"/*.txt | sed -n -E "s#^($PWD/)?([^:]+):[0-9]+:[0-9]+: (warning|error): .* \[([^],]+).*\]\$#\2 \4#p" |
  sort -u)
allowed=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$known" | awk '{ print $1, $2 }' | sort -u)
new=$(comm -23 <(echo "$findings" | sed '/^$/d') <(echo "$allowed"))
still_known=$(comm -12 <(echo "$findings" | sed '/^$/d') <(echo "$allowed"))
fixed=$(comm -13 <(echo "$findings" | sed '/^$/d') <(echo "$allowed"))

if [[ -n "$still_known" ]]; then
  echo "lint: known findings (scripts/lint-known.txt):"
  echo "$still_known" | sed 's/^/  /'
fi
if [[ -n "$fixed" && ${#only[@]} -eq 0 ]]; then
  echo "lint: no longer found, remove from scripts/lint-known.txt:"
  echo "$fixed" | sed 's/^/  /'
fi
if [[ -n "$new" ]]; then
  echo "lint: clang-tidy findings:"
  while read -r file check; do
    grep -h -A3 -E "^($PWD/)?$file:[0-9]+:[0-9]+: (warning|error): .*\[$check" "$out"/*.txt || true
  done <<< "$new"
  exit 1
fi
echo "lint: clean"
