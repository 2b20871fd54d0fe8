#!/usr/bin/env bash
# Builds the Windows programs and runs their end-to-end checks under Wine.
# Skipped only where Wine or a virtual display cannot run, and never in CI.
set -euo pipefail
cd "$(dirname "$0")/../.."

missing=()
for tool in wine wineserver Xvfb xdpyinfo xdotool setxkbmap import convert localedef \
  sqlite3 flock x86_64-w64-mingw32-g++-posix makensis; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
  if [[ ${CI:-} == true ]]; then
    echo "wine-e2e: FAILED: missing ${missing[*]} (scripts/setup.sh installs them)" >&2
    exit 1
  fi
  echo "wine-e2e: SKIPPED: this machine lacks ${missing[*]}"
  exit 0
fi

start=$SECONDS
bash scripts/build-windows.sh
built=$SECONDS
bash scripts/wine/e2e.sh build-win32
echo "wine-e2e: cross build $((built - start)) s, checks under Wine $((SECONDS - built)) s"
