# SQLite::SQLite3 for every build, compiled from the amalgamation that
# scripts/setup.d/sqlite-amalgamation.sh unpacks. The library lands in the
# build directory, so a kept build directory compiles sqlite3.c only once.
set(PELVOK_SQLITE_DIR ${CMAKE_SOURCE_DIR}/deps/sqlite-amalgamation)
if(NOT EXISTS ${PELVOK_SQLITE_DIR}/sqlite3.c)
  message(FATAL_ERROR
    "No SQLite amalgamation in ${PELVOK_SQLITE_DIR}: run scripts/setup.d/sqlite-amalgamation.sh")
endif()

add_library(pelvok_sqlite3 STATIC ${PELVOK_SQLITE_DIR}/sqlite3.c)
target_include_directories(pelvok_sqlite3 SYSTEM PUBLIC ${PELVOK_SQLITE_DIR})
# Third-party code: its warnings are not ours to fix.
target_compile_options(pelvok_sqlite3 PRIVATE -w -O2)
# Third-party code is not instrumented by the sanitizer build either.
if(PELVOK_SANITIZE)
  target_compile_options(pelvok_sqlite3 PRIVATE -fno-sanitize=all)
endif()
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(pelvok_sqlite3 PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
endif()
set_target_properties(pelvok_sqlite3 PROPERTIES C_STANDARD 99)
add_library(SQLite::SQLite3 ALIAS pelvok_sqlite3)
