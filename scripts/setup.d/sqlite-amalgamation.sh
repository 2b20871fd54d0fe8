#!/usr/bin/env bash
# Unpacks the SQLite amalgamation (sqlite3.c, sqlite3.h) for the Windows build
# into deps/sqlite-amalgamation/. The npm package sqlite3 ships SQLite's own
# autoconf tarball, and npm is the registry this machine reaches. Does nothing
# when the amalgamation is already there.
set -euo pipefail
cd "$(dirname "$0")/../.."

package=sqlite3@6.0.1
dest=deps/sqlite-amalgamation
[[ -f $dest/sqlite3.c && -f $dest/sqlite3.h ]] && exit 0

command -v npm >/dev/null || { echo "sqlite-amalgamation: npm is missing" >&2; exit 1; }
work=deps/sqlite-download
rm -rf "$work"
mkdir -p "$work"
echo "sqlite-amalgamation: fetching $package"
(cd "$work" && npm pack --silent "$package" >/dev/null)
tar -xzf "$work"/sqlite3-*.tgz -C "$work" --wildcards 'package/deps/sqlite-autoconf-*.tar.gz'
tar -xzf "$work"/package/deps/sqlite-autoconf-*.tar.gz -C "$work" --wildcards \
  '*/sqlite3.c' '*/sqlite3.h'
mkdir -p "$dest.tmp"
cp "$work"/sqlite-autoconf-*/sqlite3.c "$work"/sqlite-autoconf-*/sqlite3.h "$dest.tmp"/
rm -rf "$dest"
mv "$dest.tmp" "$dest"
rm -rf "$work"
echo "sqlite-amalgamation: $(grep -m1 '#define SQLITE_VERSION ' $dest/sqlite3.h)"
