#!/usr/bin/env bash
# A plain command as a whole process against the floor of reading the same files: `slotsmith
# --version`, and `slotsmith list DB models` on a full demo database against bench/floor/read_floor
# (a C program that reads every sound.script and every MName and nothing else). The two are run
# interleaved, 31 times each after a warm-up, and the medians compared, wall clock.
#   usage: bench/startup-vs-read.sh [build dir]   (default: build/release, built with the
#          benchmarks: -DSLOTSMITH_BENCH=ON)
set -euo pipefail
build=${1:-build/release}
slotsmith=$(realpath "$build/src/cli/slotsmith")
floor=$(realpath "$build/bench/read_floor")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$slotsmith" demo "$work/full" --full >/dev/null

# Milliseconds, to a tenth, of one run of the command with its output dropped (bash's own clock:
# no process started for the timing itself).
once() {
  local start=${EPOCHREALTIME/./} end
  "$@" >/dev/null 2>&1
  end=${EPOCHREALTIME/./}
  echo "$(((end - start) / 100))"
}
median() { sort -n | awk '{v[NR]=$1} END {m=v[int((NR+1)/2)]; printf "%d.%d", m/10, m%10}'; }

for _ in 1 2 3; do once "$slotsmith" list "$work/full" models >/dev/null; once "$floor" "$work/full" >/dev/null; done
: >"$work/version" && : >"$work/list" && : >"$work/floor"
for _ in $(seq 31); do
  once "$slotsmith" --version >>"$work/version"
  once "$slotsmith" list "$work/full" models >>"$work/list"
  once "$floor" "$work/full" >>"$work/floor"
done
version=$(median <"$work/version")
list=$(median <"$work/list")
floor_ms=$(median <"$work/floor")
echo "| process | median |"
echo "|---|---|"
echo "| \`slotsmith --version\` | $version ms |"
echo "| \`slotsmith list DB models\`, full bank | $list ms |"
echo "| read floor: the same 2000 files read by a C program | $floor_ms ms |"
echo "list / floor: $(awk "BEGIN{printf \"%.2f\", $list/$floor_ms}")"
echo "shared libraries slotsmith loads at start: $(ldd "$slotsmith" | grep -c '=>')"
