#!/usr/bin/env bash
# The keyboard's main job. Installs what is missing, builds what is missing
# (the keyboard pictures with the host build, then pelvok.exe with the cross
# build), makes the release folder out/release/ (pelvok.exe and its
# diccionarios folder, with the starter dictionary when there is one), and
# starts the keyboard under Wine in out/run/:
#   - in the current X display when $DISPLAY answers: the keyboard stays up
#     until its power key (or WM_CLOSE) ends it;
#   - otherwise in a virtual display: it types into a small application,
#     writes a screenshot (out/pelvok-screen.png, path printed) and closes.
# The keyboard's settings live in the registry of a Wine prefix of its own,
# ~/.cache/pelvok/wine (or $PELVOK_RUN_WINEPREFIX).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mkdir -p out

bash scripts/setup.sh

echo "run: building (log: out/build-windows.log)"
if ! bash scripts/build-windows.sh >out/build-windows.log 2>&1; then
  tail -n 30 out/build-windows.log >&2
  echo "run: the build failed; see out/build-windows.log" >&2
  exit 1
fi

# The release: what a Windows user copies, as it is.
release=out/release
cmake --install build-win32 --prefix "$release" --strip >/dev/null
echo "run: release in $release/: $(cd "$release" && find . -type f | sed 's|^\./||' | sort | paste -sd' ')"

# The start folder of this run keeps the dictionary it learns into.
mkdir -p out/run/diccionarios
if [[ -f $release/diccionarios/default.dic && ! -f out/run/diccionarios/default.dic ]]; then
  cp "$release/diccionarios/default.dic" out/run/diccionarios/
fi

export PELVOK_WINEPREFIX=${PELVOK_RUN_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/pelvok/wine}
source scripts/wine/env.sh
if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  mode=display
else
  mode=screenshot
fi
PELVOK_WINE_WAIT=10 pelvok_wine_exclusive bash scripts/wine/run-keyboard.sh "$mode" \
  "$root/$release/pelvok.exe" "$root/out/run" "$root/out/pelvok-screen.png"
