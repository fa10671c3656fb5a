#!/usr/bin/env bash
# Brings the desktop's catalogues up to date with the program's texts: new texts are added as
# unfinished, texts no longer in the program are dropped, translations kept. With language codes
# (fr, pt_BR) it makes catalogues for those languages too.
#   scripts/update-translations.sh [LANGUAGE...]
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }

catalogues=(translations/slotsmith_*.ts)
for language in "$@"; do
  catalogues+=("translations/slotsmith_$language.ts")
done
for catalogue in $(printf '%s\n' "${catalogues[@]}" | sort -u); do
  language=$(basename "$catalogue" .ts)
  language=${language#slotsmith_}
  options=(-I src -locations relative -no-obsolete -target-language "$language"
           -tr-function-alias QT_TRANSLATE_NOOP+=USER_TEXT,QT_TRANSLATE_N_NOOP+=USER_TEXT_N)
  # English is the language of the code: its catalogue holds only the plural forms.
  [ "$language" = en ] && options+=(-pluralonly)
  "$lupdate" "${options[@]}" src -ts "$catalogue"
done
