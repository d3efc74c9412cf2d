#!/bin/bash
# Every .ts file is up to date with the texts in src/ and the words the generator draws into
# pictures (content/): lupdate run over the tree, as the
# brillor_lupdate target runs it, finds no text missing from a translation, no translation left
# unfinished and no entry whose text has gone from the code.
set -euo pipefail
: "${LUPDATE:?}" "${SOURCE_DIR:?}"
fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$SOURCE_DIR"/translations/brillor_*.ts "$work/"
find "$SOURCE_DIR/src" "$SOURCE_DIR/content" -name '*.cpp' -o -name '*.h' | sort >"$work/sources.lst"
"$LUPDATE" -silent -locations none "@$work/sources.lst" -ts "$work"/brillor_*.ts >"$work/lupdate.log" 2>&1 ||
  { cat "$work/lupdate.log"; fail "lupdate failed"; }

status=0
for ts in "$work"/brillor_*.ts; do
  name=$(basename "$ts")
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  gone=$(grep -c 'type="vanished"\|type="obsolete"' "$ts" || true)
  if [ "$unfinished" -gt 0 ] || [ "$gone" -gt 0 ]; then
    echo "$name: $unfinished untranslated, $gone no longer in the code"
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -10
    status=1
  fi
done
[ "$status" -eq 0 ] || fail "the translations are not up to date: run the brillor_lupdate target and translate"
echo "PASS: $(ls "$work"/brillor_*.ts | wc -l) translations up to date with the code"
