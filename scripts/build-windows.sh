#!/usr/bin/env bash
# Builds the Windows programs in build-win32/ with MinGW-w64: first the
# keyboard pictures with the host build (PELVOK_HOST_BUILD, default build/),
# then the cross build. Without a host build the pictures are made in
# build-winhost/, without the tests. Checks that every program needs no DLL beyond the
# system's own.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [[ -z ${PELVOK_HOST_BUILD:-} ]]; then
  PELVOK_HOST_BUILD=build-winhost
  [[ -f build/CMakeCache.txt ]] && PELVOK_HOST_BUILD=build
fi
host=$PELVOK_HOST_BUILD
cross=${PELVOK_CROSS_BUILD:-build-win32}

bash scripts/setup.d/sqlite-amalgamation.sh

echo "build-windows: pictures in $host/"
if [[ -f $host/CMakeCache.txt ]]; then
  cmake -S . -B "$host" >/dev/null
else
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELVOK_TESTS=OFF >/dev/null
fi
cmake --build "$host" --target pelvok_pictures -j2 >/dev/null
pictures=$root/$host/pictures
[[ $host == /* ]] && pictures=$host/pictures

echo "build-windows: cross build in $cross/"
cmake -S . -B "$cross" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPELVOK_PICTURES_DIR="$pictures" \
  -DPELVOK_WARNINGS_AS_ERRORS="${PELVOK_WARNINGS_AS_ERRORS:-OFF}" >/dev/null
targets=(pelvok pelvok-framework-check pelvok-e2e-target pelvok-e2e-driver pelvok-platform-check)
cmake --build "$cross" -j2 --target "${targets[@]}"

# Windows' own DLLs; anything else (libstdc++, libgcc, winpthread) would have
# to be shipped beside the program.
system_dlls='^(KERNEL32|USER32|GDI32|COMDLG32|COMCTL32|OLE32|OLEAUT32|ADVAPI32|SHELL32|msvcrt)\.dll$'
status=0
for exe in "$cross"/window/pelvok.exe "$cross"/tests/e2e/*.exe; do
  [[ -f $exe ]] || continue
  while read -r dll; do
    if ! grep -qiE "$system_dlls" <<<"$dll"; then
      echo "build-windows: $(basename "$exe") needs $dll, which Windows does not have" >&2
      status=1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
