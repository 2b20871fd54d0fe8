#!/usr/bin/env bash
# Runs every fuzz target of the Clang sanitizer build for a while, one after
# the other, and prints what each did: scripts/fuzz.sh [SECONDS [TARGET...]]
# (300 seconds each by default; targets by name, such as text_codec). What a
# run finds is kept in build-asan/fuzz/corpus; a crash leaves its input in
# build-asan/fuzz/ and ends the script with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

build=build-asan
if [[ ! -f $build/CMakeCache.txt ]] || ! grep -qs 'PELVOK_FUZZ:BOOL=ON' $build/CMakeCache.txt; then
  CC=clang CXX=clang++ bash scripts/build.sh $build -DPELVOK_SANITIZE=ON -DPELVOK_FUZZ=ON
else
  cmake --build $build -j2 >/dev/null
fi

targets=("$@")
if ((${#targets[@]} == 0)); then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
printf '%-16s %10s %8s %6s %8s\n' target runs "runs/s" edges corpus
for name in "${targets[@]}"; do
  found=$build/fuzz/corpus/$name
  mkdir -p "$found"
  log=$(mktemp)
  (cd $build/fuzz && ./fuzz_"$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 "corpus/$name" "../../fuzz/corpus/$name") >"$log" 2>&1 || {
    tail -n 40 "$log"
    echo "fuzz: $name failed; its input is in $build/fuzz/" >&2
    exit 1
  }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  printf '%-16s %10s %8s %6s %8s\n' "$name" "$runs" "$((runs / seconds))" "${edges:-0}" \
    "$(ls "$found" | wc -l)"
  rm -f "$log"
done
