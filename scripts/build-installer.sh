#!/usr/bin/env bash
# Builds the installer out/pelvok-setup.exe (installer/pelvok.nsi, NSIS) from
# the release folder out/release/ that `cmake --install` makes of the cross
# build: build-installer.sh [BUILD_DIR] (default build-win32, made by
# scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cross=${1:-build-win32}
[[ $cross == /* ]] || cross=$root/$cross
release=$root/out/release
setup=$root/out/pelvok-setup.exe

command -v makensis >/dev/null ||
  { echo "build-installer: makensis is missing (scripts/setup.sh installs nsis)" >&2; exit 1; }
[[ -f $cross/window/pelvok.exe ]] ||
  { echo "build-installer: no $cross/window/pelvok.exe; run scripts/build-windows.sh" >&2; exit 1; }
cmake --install "$cross" --prefix "$release" --strip >/dev/null
# Installed without it, the keyboard would start with an empty dictionary.
[[ -f $release/diccionarios/default.dic ]] ||
  { echo "build-installer: no starter dictionary; scripts/setup.sh builds it" >&2; exit 1; }

args=(-V2 -DRELEASE_DIR="$release" -DOUTFILE="$setup")
version=$(git describe --tags --always --dirty 2>/dev/null || true)
[[ -n $version ]] && args+=(-DVERSION="$version")
icon=$cross/platform/win32/pelvok.ico
[[ -f $icon ]] && args+=(-DICON="$icon")
makensis "${args[@]}" installer/pelvok.nsi
echo "build-installer: $setup ($(du -k "$setup" | cut -f1) KiB)"
