#!/usr/bin/env bash
# Builds one configuration: scripts/build.sh DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELVOK_WARNINGS_AS_ERRORS="${PELVOK_WARNINGS_AS_ERRORS:-OFF}" "$@" >/dev/null
cmake --build "$dir" -j2
