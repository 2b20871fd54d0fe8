#!/usr/bin/env bash
# Smoke runs of pelvok-train, pelvok-ksr and pelvok-bench on small texts, and
# the whole evaluation text typed with and without the dictionary's indexes.
# Runs after the normal build in build/.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${PELVOK_BUILD:-build}
starter=deps/starter
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

head -n 40 "$starter/train.txt" >"$work/train.txt"
head -n 300 "$starter/words.txt" >"$work/words.txt"
head -n 15 "$starter/eval.txt" >"$work/eval.txt"

echo "tools-smoke: pelvok-train"
"$build/tools/pelvok-train/pelvok-train" "$work/train.txt" --words "$work/words.txt" \
  --out "$work/small.dic"
rows=$(sqlite3 "$work/small.dic" "SELECT count(*) FROM palabras; SELECT count(*) FROM siguientes;" | paste -sd' ')
echo "tools-smoke: words and pairs: $rows"
[[ ${rows%% *} -gt 300 ]]
if "$build/tools/pelvok-train/pelvok-train" "$work/missing.txt" --out "$work/small.dic" 2>/dev/null; then
  echo "tools-smoke: a missing text did not fail" >&2
  exit 1
fi

echo "tools-smoke: pelvok-ksr"
"$build/tools/pelvok-ksr/pelvok-ksr" "$work/eval.txt" --dictionary "$work/small.dic"
# Without the baseline run, only what was computed is printed.
"$build/tools/pelvok-ksr/pelvok-ksr" "$work/eval.txt" --dictionary "$work/small.dic" \
  --no-baseline --no-repeat | tee "$work/ksr.txt"
if grep -q "clicks saved" "$work/ksr.txt"; then
  echo "tools-smoke: pelvok-ksr --no-baseline printed a figure it did not compute" >&2
  exit 1
fi

echo "tools-smoke: pelvok-bench"
"$build/bench/pelvok-bench" --quick 1 --paragraphs 3 --cache "$work/bench" --eval "$work/eval.txt"

# Without indexes every key scans the tables: the whole text starts from an
# empty dictionary, which grows as the keyboard learns it.
echo "tools-smoke: suggestions with and without indexes, whole evaluation text"
PELVOK_EVAL_PARAGRAPHS=${PELVOK_EVAL_PARAGRAPHS:-all} PELVOK_EVAL_DICTIONARY=empty \
  "$build/tests/tools/tools_tests" --gtest_filter='Typist.IndexesChangeNoSuggestionAfterAnyKey'

# The counts stop at six rows: no suggestion may change, after any key of the
# whole text, from the starter dictionary when set-up made it.
echo "tools-smoke: suggestions with counts stopping at six and counting all, whole evaluation text"
PELVOK_EVAL_PARAGRAPHS=${PELVOK_EVAL_PARAGRAPHS:-all} \
  "$build/tests/tools/tools_tests" --gtest_filter='Typist.CountsStoppingAtSixChangeNoSuggestionAfterAnyKey'
