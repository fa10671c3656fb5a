#!/usr/bin/env bash
# The Windows build of the engine and the command-line tool, checked on this Linux machine:
#   1. cross-compiles slotsmith.exe and the core, edit, CLI and library tests with MinGW-w64
#      (cmake/mingw-w64-x86_64.cmake), warnings as errors, SQLite from its pinned amalgamation
#      (scripts/fetch-sqlite.sh),
#   2. runs the four test programs under Wine, in a Wine prefix made fresh for this run,
#   3. packs slotsmith.exe into a zip (CPack) and checks that it runs from there with no DLL
#      beside it.
# scripts/test.sh runs it after the Linux steps; it also runs alone (packages from
# scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/windows
jobs=$(nproc)
start=$SECONDS

echo "== Cross-compiling for Windows (MinGW-w64)"
# The sound library's SQLite, built from its pinned amalgamation with the rest.
sqlite_source=$(bash scripts/fetch-sqlite.sh)
# GCC 12 warns of overlapping copies inside libstdc++'s own string code at -O2 and above (a known
# false alarm, GCC bug 105329); every other warning is an error, as on Linux.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DSLOTSMITH_WERROR=ON -DSLOTSMITH_GUI=OFF -DSLOTSMITH_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-Wno-restrict -DSLOTSMITH_SQLITE_SOURCE="$sqlite_source" \
  -DSLOTSMITH_SOUND_LIBRARY=ON >/dev/null
cmake --build "$build" -j "$jobs"
echo "Built in $((SECONDS - start)) s."

echo "== Core, edit, CLI and library tests under Wine"
export WINEPREFIX="$PWD/build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# The wineserver this run started ends with it, whatever happens.
trap 'wineserver -k 2>/dev/null || true' EXIT
# The number on GoogleTest's closing line that matches, or 0. Wine's console ends lines with
# CR LF, so the CR goes before a pattern anchored at the line's end can match.
count() {
  local n
  n=$(tr -d '\r' <"$2" | sed -nE "s/$1/\1/p" | head -n 1)
  echo "${n:-0}"
}
passed=0 failed=0 skipped=0 status=0
for suite in core ops cli library; do
  log="$build/tests/${suite}_tests.log"
  suite_start=$SECONDS
  (cd "$build/tests" && wine "./${suite}_tests.exe" --gtest_brief=1) >"$log" 2>&1 || status=1
  grep -E '^\[  FAILED  \]' "$log" | sort -u || true
  suite_passed=$(count '^\[  PASSED  \] ([0-9]+) tests?.*' "$log")
  suite_skipped=$(count '^\[  SKIPPED \] ([0-9]+) tests?.*' "$log")
  # --gtest_brief prints no count of the failed, only one line for each.
  suite_failed=$(tr -d '\r' <"$log" | grep -cE '^\[  FAILED  \] .* \([0-9]+ ms\)$' || true)
  passed=$((passed + suite_passed)) skipped=$((skipped + suite_skipped))
  failed=$((failed + suite_failed))
  echo "${suite}_tests.exe: $suite_passed passed, $suite_failed failed, $suite_skipped skipped" \
    "($((SECONDS - suite_start)) s)"
done
# A test program that ended early (a crash) has no closing line to count.
[ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1

echo "== The Windows zip"
(cd "$build" && cpack -G ZIP >/dev/null)
name="slotsmith-$(sed -nE 's/^project\(Slotsmith VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)-windows-x86_64"
zip="$PWD/$build/$name.zip"
unpacked=$(mktemp -d)
(cd "$unpacked" && cmake -E tar xf "$zip")
# Only DLLs that every Windows has: the C++ runtime and winpthread are inside the program.
dlls=$(x86_64-w64-mingw32-objdump -p "$unpacked/$name/slotsmith.exe" |
  sed -nE 's/.*DLL Name: (.*)/\1/p' | tr '[:upper:]' '[:lower:]' | sort -u | tr '\n' ' ')
echo "slotsmith.exe needs: $dlls"
for dll in $dlls; do
  case "$dll" in
    kernel32.dll | msvcrt.dll | shell32.dll | user32.dll | advapi32.dll | api-ms-win-*) ;;
    *) echo "slotsmith.exe needs $dll, which is not part of Windows" >&2; status=1 ;;
  esac
done
(cd "$unpacked/$name" && wine ./slotsmith.exe --version) || status=1
# A path that starts with "/" is a path on Windows too, never an option: a missing database is
# refused (1), not taken for bad usage (2).
rc=0
(cd "$unpacked/$name" && wine ./slotsmith.exe check /no-such-database >/dev/null 2>&1) || rc=$?
if [ "$rc" -ne 1 ]; then
  echo "slotsmith.exe check /no-such-database exited $rc, not 1" >&2
  status=1
fi
rm -rf "$unpacked"
echo "$build/$name.zip: $(stat -c %s "$zip") bytes"

echo "Windows step took $((SECONDS - start)) s."
echo "windows: $passed passed, $failed failed, $skipped skipped"
exit "$status"
