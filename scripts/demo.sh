#!/usr/bin/env bash
# Builds Slotsmith, writes a fresh demo database into ./demo-db and opens it in the desktop
# application. Pass --full for a database with all 1000 sound and 1000 model slots filled.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSLOTSMITH_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target slotsmith slotsmith-gui
rm -rf demo-db
build/release/src/cli/slotsmith demo demo-db "$@"
exec build/release/src/app/slotsmith-gui "$PWD/demo-db"
