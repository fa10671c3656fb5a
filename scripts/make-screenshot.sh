#!/usr/bin/env bash
# Makes the README's screenshot of the lists window: the desktop application on the demo database
# in a real X server (Xvfb, with the xcb platform), pictured by the smoke test. Writes
# docs/pictures/lists.png (and the other windows' pictures into a scratch folder).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if ! command -v xvfb-run >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null
fi
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/debug -j "$(nproc)" --target SmokeTest
pictures=$(mktemp -d)
# The library the application keeps is a scratch one, never the user's.
export SLOTSMITH_LIBRARY="$pictures/library.sqlite" SLOTSMITH_HISTORY_KEY="$pictures/history-key"
xvfb-run -a -s "-screen 0 1280x900x24" \
  env SLOTSMITH_SCREENSHOTS="$pictures" QT_QPA_PLATFORM=xcb build/debug/tests/app/SmokeTest >/dev/null
# The same windows on a 1600x1000 screen at scale 1.5, as a high-density display shows them.
scaled=$(mktemp -d)
xvfb-run -a -s "-screen 0 1600x1000x24" \
  env SLOTSMITH_SCREENSHOTS="$scaled" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.5 \
  build/debug/tests/app/SmokeTest >/dev/null
cp "$pictures/lists.png" docs/pictures/lists.png
cp "$pictures/library.png" docs/pictures/library.png
# The pictures to look at before a change of the windows is done: narrow, dark, scaled.
review=build/screenshots
mkdir -p "$review"
cp "$pictures"/*.png "$review/"
cp "$scaled/lists.png" "$review/lists-scale-1.5.png"
rm -f "$pictures"/library.sqlite* "$pictures/history-key" "$scaled"/library.sqlite*
rm -rf "$pictures" "$scaled"
echo "docs/pictures/lists.png and library.png written; lists-700.png, lists-dark.png and lists-scale-1.5.png in $review."
