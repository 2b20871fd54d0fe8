#!/usr/bin/env bash
# Starts the keyboard under Wine for scripts/run.sh, which holds the prefix:
#   run-keyboard.sh display EXE START_DIR
#     in the current X display, until the keyboard ends;
#   run-keyboard.sh screenshot EXE START_DIR PNG
#     in a virtual display: the keyboard types "Ho" into the end-to-end
#     target, the screen is written to PNG, and the keyboard is closed.
set -euo pipefail
cd "$(dirname "$0")/../.."
mode=$1 exe=$2 start_dir=$3 png=${4:-}
source scripts/wine/env.sh
pelvok_wine_locale || { echo "run: cannot make the es_ES.ISO-8859-1 locale" >&2; exit 1; }

if [[ $mode == display ]]; then
  pelvok_wine_prefix Y
  layout=$(setxkbmap -query 2>/dev/null | sed -n 's/^layout: *//p')
  [[ $layout == es* ]] ||
    echo "run: note: the display's keyboard layout is \"$layout\"; the keyboard types for the Spanish one"
  echo "run: the keyboard is up in $DISPLAY (start folder $start_dir); its power key ends it"
  cd "$start_dir"
  exec wine "$exe"
fi

bin=$PWD/build-win32/tests/e2e
drive() { wine "$bin/pelvok-e2e-driver.exe" "$@" 2>/dev/null | tr -d '\r' | grep -v '^ok:' || true; }
trap pelvok_wine_stop EXIT
pelvok_wine_start
xdotool mousemove 1270 10
wine "$bin/pelvok-e2e-target.exe" >/dev/null 2>&1 &
target=$!
drive wait-target 30
(cd "$start_dir" && exec wine "$exe") >/dev/null 2>&1 &
keyboard=$!
if ! wine "$bin/pelvok-e2e-driver.exe" wait-keyboard 30 >/dev/null 2>&1; then
  import -window root "$png"
  echo "run: the keyboard did not come up; the screen is in $png" >&2
  exit 1
fi
drive press Shift h o : expect-text Ho
import -window root "$png"
drive close : close-target
wait "$keyboard" "$target" 2>/dev/null || true
echo "run: no display here; the keyboard ran in a virtual one and closed. Screenshot: $png"
