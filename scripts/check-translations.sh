#!/usr/bin/env bash
# Fails when the program has a text its catalogues lack, or they hold one it no longer has: lupdate
# is run as scripts/update-translations.sh runs it, on copies, and must change no message. (Unfinished and broken translations are the desktop tests' to find.)
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in translations/slotsmith_*.ts; do
  language=$(basename "$catalogue" .ts)
  language=${language#slotsmith_}
  options=(-I src -locations relative -no-obsolete -target-language "$language"
           -tr-function-alias QT_TRANSLATE_NOOP+=USER_TEXT,QT_TRANSLATE_N_NOOP+=USER_TEXT_N)
  [ "$language" = en ] && options+=(-pluralonly)
  mkdir -p "$scratch/translations"
  cp "$catalogue" "$scratch/$catalogue"
  "$lupdate" "${options[@]}" src -ts "$scratch/$catalogue" >/dev/null 2>&1
  # Where each text stands in the code may move; which texts there are may not.
  if ! cmp -s <(grep -v '<location' "$catalogue") <(grep -v '<location' "$scratch/$catalogue"); then
    echo "$catalogue is not up to date with the program's texts: run scripts/update-translations.sh" >&2
    diff <(grep -v '<location' "$catalogue") <(grep -v '<location' "$scratch/$catalogue") | head -20 >&2 || true
    status=1
  fi
done
exit "$status"
