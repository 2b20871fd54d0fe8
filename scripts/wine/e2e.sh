#!/usr/bin/env bash
# Runs the end-to-end checks of the Windows programs under Wine in a virtual
# display: e2e.sh [BUILD_DIR] (default build-win32). Screenshots and the
# programs' logs go to out/e2e/. Exits non-zero at the first failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/wine/env.sh
# One run at a time in the prefix.
if [[ -z ${PELVOK_WINE_HELD:-} ]]; then
  export PELVOK_WINE_HELD=1
  status=0
  pelvok_wine_exclusive bash "$root/scripts/wine/e2e.sh" "$@" || status=$?
  exit $status
fi
cross=${1:-build-win32}
bin=$root/$cross/tests/e2e
[[ $cross == /* ]] && bin=$cross/tests/e2e
out=$root/out/e2e
mkdir -p "$out"
rm -f "$out"/*.log "$out"/*.png

source scripts/wine/e2e-framework.sh
source scripts/wine/e2e-keyboard.sh
source scripts/wine/e2e-installer.sh

passed=0
declare -A pids=()

drive() {
  local output status=0
  output=$(wine "$bin/pelvok-e2e-driver.exe" "$@" 2>>"$out/driver.log") || status=$?
  output=${output//$'\r'/}
  grep -E '^(ok|FAIL):' <<<"$output" | sed 's/^/  /' >&2 || true
  passed=$((passed + $(grep -c '^ok:' <<<"$output" || true)))
  if ((status != 0)); then
    echo "wine-e2e: FAILED at: $*" >&2
    screenshot failure
    exit 1
  fi
  grep -vE '^(ok|FAIL):' <<<"$output" | grep . || true
}

start_program() {
  wine "$2" "${@:3}" >"$out/$1.log" 2>&1 &
  pids[$1]=$!
}

# Waits for a program that should end by itself: wait_program NAME [TRIES],
# 20 tries a second (default 100).
wait_program() {
  local pid=${pids[$1]} tries
  for tries in $(seq "${2:-100}"); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
    sleep 0.05
  done
  echo "wine-e2e: FAILED: $1 did not end" >&2
  screenshot failure
  exit 1
}

# expect WHAT EXPECTED ACTUAL: a check made in the shell. Texts are
# Windows-1252, shown in UTF-8.
expect() {
  if [[ $2 == "$3" ]]; then
    echo "  ok: $1" >&2
    passed=$((passed + 1))
    return 0
  fi
  echo "  FAIL: $1: \"$(shown "$3")\", expected \"$(shown "$2")\"" >&2
  echo "wine-e2e: FAILED at: $1" >&2
  screenshot failure
  exit 1
}

shown() { printf '%s' "$1" | iconv -f cp1252 -t utf-8 2>/dev/null || printf '%s' "$1"; }

screenshot() {
  import -window root "$out/$1.png"
  echo "  screenshot: out/e2e/$1.png" >&2
}

trap pelvok_wine_stop EXIT
start=$SECONDS
e2e_installer_leftovers
pelvok_wine_start
# A run stopped half-way may have left the screen at 150 %.
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
echo "  Wine ready in $((SECONDS - start)) s" >&2

for exe in "$bin/pelvok-framework-check.exe" "$bin/../../window/pelvok.exe"; do
  [[ -f $exe ]] && drive resources "$(winepath -w "$exe" 2>/dev/null)"
done
run_check() {
  local output status=0
  output=$(wine "$1" 2>>"$out/checks.log") || status=$?
  output=${output//$'\r'/}
  grep -E '^(ok|FAIL):' <<<"$output" | sed 's/^/  /' >&2 || true
  passed=$((passed + $(grep -c '^ok:' <<<"$output" || true)))
  ((status == 0)) || { echo "wine-e2e: FAILED: $(basename "$1")" >&2; exit 1; }
}

run_check "$bin/pelvok-platform-check.exe"
e2e_framework "$bin"
keyboard_exe=$root/$cross/window/pelvok.exe
[[ $cross == /* ]] && keyboard_exe=$cross/window/pelvok.exe
if [[ -f $keyboard_exe ]]; then
  e2e_keyboard "$bin" "$keyboard_exe" "$out/run"
  e2e_layouts "$bin" "$keyboard_exe" "$out/run-layouts"
  pictures=$(sed -n 's/^PELVOK_PICTURES_DIR:PATH=//p' "${keyboard_exe%/window/pelvok.exe}/CMakeCache.txt")
  e2e_dpi "$bin" "$keyboard_exe" "$out/run-dpi" "$pictures"
  e2e_dwell "$bin" "$keyboard_exe" "$out/run-dwell"
  e2e_password "$bin" "$keyboard_exe" "$out/run-password"
  e2e_installer "$bin" "$cross"
  e2e_scanning "$bin" "$keyboard_exe" "$out/run-scanning"
else
  echo "  (no window/pelvok.exe yet: the real keyboard's scenario waits for it)" >&2
fi

echo "wine-e2e: $passed passed, 0 failed (Wine part $((SECONDS - start)) s)"
