#!/usr/bin/env bash
# Brings SQLite's amalgamation source (sqlite3.c and sqlite3.h) for the cross builds, which have
# no SQLite of their own, and prints the folder that holds it:
#   bash scripts/fetch-sqlite.sh [CACHE]    (default: build/sqlite)
# The machines that build reach only Debian's archive and the npm registry. Debian strips the
# bundled copy from its packages, so the source comes from an npm package that ships SQLite's
# release amalgamation in deps/sqlite3/ (its one change: two constants of the date functions
# written out, the same values). The package's version and the tarball's
# SHA-256 are pinned here; a tarball that differs is refused. Fetched once, kept in CACHE.
set -euo pipefail
cd "$(dirname "$0")/.."

sqlite_version=3.51.1
package=better-sqlite3
package_version=12.5.0
package_sha256=0a3cd0554b063c3185b9912ef7059b84455a2e411d637faa0166fef9fefa04c2

cache=${1:-build/sqlite}
folder=$PWD/$cache/sqlite-$sqlite_version
if [ ! -f "$folder/sqlite3.c" ] || [ ! -f "$folder/sqlite3.h" ]; then
  echo "Fetching SQLite $sqlite_version's amalgamation from npm ($package@$package_version)" >&2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && npm pack --loglevel=error "$package@$package_version" >/dev/null)
  tarball=$work/$package-$package_version.tgz
  if ! echo "$package_sha256  $tarball" | sha256sum --check --status; then
    echo "$package@$package_version's tarball is not the one pinned (SHA-256 differs)" >&2
    exit 1
  fi
  tar -xzf "$tarball" -C "$work" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  grep -q "#define SQLITE_VERSION *\"$sqlite_version\"" "$work/package/deps/sqlite3/sqlite3.h" ||
    { echo "$package@$package_version does not hold SQLite $sqlite_version" >&2; exit 1; }
  mkdir -p "$folder"
  cp "$work/package/deps/sqlite3/sqlite3.c" "$work/package/deps/sqlite3/sqlite3.h" "$folder/"
fi
echo "$folder"
