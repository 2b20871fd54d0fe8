#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: a normal build (GCC)
# and one with Clang under AddressSanitizer + UndefinedBehaviorSanitizer, which
# also builds the fuzz targets and runs each for a while.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

# Every build of the tests fails on a compiler warning.
export PELVOK_WARNINGS_AS_ERRORS=ON
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

echo "== normal build"
bash scripts/build.sh build
(cd build && ctest -j2 --output-on-failure)

for extra in scripts/test.d/*.sh; do
  [[ -e "$extra" ]] && { echo "== $(basename "$extra" .sh)"; bash "$extra"; }
done

echo "== sanitizer build (Clang, with the fuzz targets)"
# A folder of the earlier GCC sanitizer build starts afresh.
grep -qs 'CMAKE_CXX_COMPILER:[A-Z]*=.*clang' build-asan/CMakeCache.txt || rm -rf build-asan
CC=clang CXX=clang++ bash scripts/build.sh build-asan -DPELVOK_SANITIZE=ON -DPELVOK_FUZZ=ON
cd build-asan && ctest -j2 --output-on-failure
