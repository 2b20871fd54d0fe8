#!/usr/bin/env bash
# Instructions per key, counted by callgrind: the same figure for the same
# binary and inputs however loaded the machine is. Only the keys are counted
# (activation, composition, prediction and learning; the window is not
# painted), not the start-up nor the idle work between paragraphs.
#
#   bench/instructions.sh [BUILD_DIR] [PARAGRAPHS] [CACHE]
#
# CACHE holds the generated dictionaries of pelvok-bench (run it first).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
paragraphs=${2:-50}
cache=${3:-$build/bench-dictionaries}
bench=$build/bench/pelvok-bench
command -v valgrind >/dev/null || { echo "instructions.sh: valgrind is missing" >&2; exit 1; }
[[ -x $bench ]] || { echo "instructions.sh: build $bench first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| dictionary | keys | instructions a key |"
echo "|---|---|---|"
for entry in "1k words, 10k pairs:$cache/generated-1000-10000.dic" \
             "10k words, 100k pairs:$cache/generated-10000-100000.dic" \
             "100k words, 1M pairs:$cache/generated-100000-1000000.dic" \
             "starter dictionary:deps/starter/default.dic"; do
  name=${entry%%:*}
  file=${entry#*:}
  [[ -f $file ]] || { echo "| $name | (no $file) | |"; continue; }
  valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$work/out" \
    "$bench" --run "$file" --paragraphs "$paragraphs" --paint 0 >"$work/line" 2>"$work/err" ||
    { cat "$work/err" >&2; exit 1; }
  keys=$(awk '{print $1}' "$work/line")
  total=$(awk '/^(summary|totals):/ {print $2; exit}' "$work/out")
  echo "| $name | $keys | $((total / keys)) |"
done
