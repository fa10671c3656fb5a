#!/usr/bin/env bash
# Sound packs and backups side by side with the standard tools on the same files, on a full demo
# database: export of 100 sounds with their models against `zip -r` of those folders, backup
# against `tar --zstd -cf`, verify against `sha256sum` of the same files, and import from a pack
# against import from the same pack unzipped. Best of five runs each, wall clock.
#   usage: bench/packs-vs-tools.sh [path/to/slotsmith]   (default: the Release build's)
set -euo pipefail
slotsmith=${1:-build/release/src/cli/slotsmith}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$OLDPWD/$slotsmith" demo full --full >/dev/null 2>&1 || "$slotsmith" demo full --full >/dev/null
[ -x "$OLDPWD/$slotsmith" ] && slotsmith="$OLDPWD/$slotsmith"

best() {  # best of five, in milliseconds; the command's output is dropped
  local best=""
  for _ in 1 2 3 4 5; do
    local start end
    start=$(date +%s%N)
    eval "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    eval "${2:-true}" >/dev/null 2>&1
  done
  echo "$best"
}
row() { printf '| %s | %s ms | %s ms | %s |\n' "$1" "$2" "$3" "$(awk "BEGIN{printf \"%.2f\", $2/$3}")"; }

# The folders a pack of sounds 100-199 carries: the sounds and the models they use.
"$slotsmith" export full 100-199 --to ref.zip >/dev/null
mkdir ref && (cd ref && unzip -q ../ref.zip)
models=$(python3 -c "import json;print(' '.join('Models/%03d.model'%m['source'] for m in json.load(open('ref/pack.json'))['models']))")
sounds=$(seq -f 'Sounds/%03g.sound' 100 199 | tr '\n' ' ')

echo "| operation | Slotsmith | standard tool | ratio |"
echo "|---|---|---|---|"
row "export 100 sounds with their models / zip -r of those folders" \
  "$(best "$slotsmith export full 100-199 --to e.zip" "rm -f e.zip")" \
  "$(best "cd full && zip -qr ../z.zip $sounds $models; cd .." "rm -f z.zip")"
row "backup of the full database / tar --zstd -cf" \
  "$(best "$slotsmith backup full --to b.tar.zst" "rm -f b.tar.zst")" \
  "$(best "tar --zstd -cf t.tar.zst --exclude=.slotsmith -C full ." "rm -f t.tar.zst")"
"$slotsmith" backup full --to b.tar.zst >/dev/null
row "verify the backup / sha256sum of the same files" \
  "$(best "$slotsmith verify b.tar.zst")" \
  "$(best "cd full && find . -path ./.slotsmith -prune -o -type f -print0 | xargs -0 sha256sum; cd ..")"
"$slotsmith" demo target >/dev/null
cp -a target fresh
row "import 100 sounds from the pack / from the pack unzipped" \
  "$(best "$slotsmith import target --from ref.zip 0-99 --to 0 --yes" "rm -rf target && cp -a fresh target")" \
  "$(best "$slotsmith import target --from ref 0-99 --to 0 --yes" "rm -rf target && cp -a fresh target")"
