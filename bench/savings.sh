#!/usr/bin/env bash
# The savings of the starter dictionary on every evaluation text that set-up
# keeps out of training (the fortunes fifth and the everyday texts by kind),
# with the keyboard's settings as they ship and with no repeated suggestions.
# Not part of the tests: the fifth alone takes a minute or more.
#   bench/savings.sh [BUILD]   (BUILD: build/ by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ksr=$build/tools/pelvok-ksr/pelvok-ksr
starter=deps/starter
[[ -x $ksr ]] || { echo "savings: build $ksr first" >&2; exit 1; }
[[ -f $starter/default.dic ]] || { echo "savings: run ./scripts/setup.sh first" >&2; exit 1; }
for text in "$starter/eval.txt" "$starter"/eval-*.txt; do
  echo "== $text"
  "$ksr" "$text" --dictionary "$starter/default.dic" | grep -E "clicks|savings rate"
  echo "-- no repeated suggestions"
  "$ksr" "$text" --dictionary "$starter/default.dic" --no-repeat --no-baseline | grep -E "clicks|savings rate"
done
