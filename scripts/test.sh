#!/usr/bin/env bash
# Builds Slotsmith and runs every test, on a fresh Debian 12 machine as on a prepared one:
#   1. installs what is missing (apt),
#   2. the full build (desktop app, CLI, benchmarks) with warnings as errors, formatting and
#      static checks (scripts/check-style.sh), and all tests,
#   3. the core, edit and CLI tests again under AddressSanitizer and UBSan,
#   4. short fuzzing runs of the sound.script reader and the pack reader (libFuzzer, clang),
#   5. the Windows build of the engine and the CLI, its tests run under Wine, and its zip
#      (scripts/cross-windows.sh),
#   6. the install check: the installed files, the Debian package, and the package installed
#      into a fresh Debian tree (scripts/check-install.sh),
#   7. the engine and the CLI cross compiled and linked for macOS on x86_64 and aarch64, their
#      tests on aarch64 (scripts/cross-macos.sh; built only, nothing runs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test (warnings are errors)"
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOTSMITH_WERROR=ON >/dev/null
cmake --build build/debug -j "$jobs"
bash scripts/check-style.sh build/debug
ctest --test-dir build/debug --output-on-failure -j "$jobs"

echo "== Core, edit and CLI tests under AddressSanitizer and UBSan"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOTSMITH_WERROR=ON \
  -DSLOTSMITH_SANITIZE=ON -DSLOTSMITH_GUI=OFF -DSLOTSMITH_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Fuzzing the sound.script reader for 20 seconds"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSLOTSMITH_GUI=OFF -DSLOTSMITH_BENCH=OFF -DSLOTSMITH_FUZZ=ON -DSLOTSMITH_SANITIZE=ON >/dev/null
cmake --build build/fuzz -j "$jobs" --target script_fuzzer
corpus=$(mktemp -d)
printf 'R1ModellIndex\t12\nR1Switch\t1\n' >"$corpus/plain"
printf 'SoundNameC00\t66\r\nX\t+007\n\nY\t1\n' >"$corpus/odd"
build/fuzz/tests/script_fuzzer -max_total_time=20 -max_len=4096 "$corpus" 2>build/fuzz/fuzz.log ||
  { tail -n 40 build/fuzz/fuzz.log; exit 1; }
rm -rf "$corpus"
echo "== Fuzzing the pack reader for 15 seconds"
cmake --build build/fuzz -j "$jobs" --target pack_fuzzer
corpus=$(mktemp -d)
build/debug/src/cli/slotsmith demo "$corpus/db" >/dev/null
build/debug/src/cli/slotsmith export "$corpus/db" 0-1 --to "$corpus/seed.zip" >/dev/null
build/debug/src/cli/slotsmith backup "$corpus/db" --to "$corpus/seed.tar.zst" >/dev/null
rm -rf "$corpus/db"
build/fuzz/tests/pack_fuzzer -max_total_time=15 -max_len=65536 -rss_limit_mb=1024 "$corpus" \
  2>build/fuzz/pack-fuzz.log || { tail -n 40 build/fuzz/pack-fuzz.log; exit 1; }
rm -rf "$corpus"
echo "Fuzzing found nothing."

echo "== Windows: cross build, tests under Wine, zip"
bash scripts/cross-windows.sh

echo "== Install check"
bash scripts/check-install.sh

bash scripts/cross-macos.sh
