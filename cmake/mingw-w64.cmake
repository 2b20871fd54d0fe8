# Cross build for 64-bit Windows with MinGW-w64:
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Everything is linked statically, so pelvok.exe needs no DLL beyond the
# system's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PELVOK_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model: its C++ library has std::thread and std::mutex
# (the keyboard builds a large dictionary's indexes on a thread of its own).
set(CMAKE_C_COMPILER ${PELVOK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELVOK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PELVOK_MINGW_PREFIX}-windres)
set(CMAKE_STRIP ${PELVOK_MINGW_PREFIX}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${PELVOK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
