#!/usr/bin/env bash
# Fails when a translation file of the interface has unfinished entries, entries for texts the
# sources no longer have, or lacks texts they have (lupdate adds those as unfinished): lupdate
# runs over the sources into copies of the files, so the repository's files stay as they are.
set -euo pipefail
source_dir=${1:?source folder}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for file in "$source_dir"/src/app/translations/pagewind_*.ts; do
  name=$(basename "$file")
  cp "$file" "$scratch/$name"
  options=(-silent -locations none -extensions cpp,h -I "$source_dir/src")
  # English is the source language: its file holds the plural forms only.
  [ "$name" = pagewind_en.ts ] && options+=(-pluralonly)
  "$lupdate" "${options[@]}" "$source_dir/src/app" -ts "$scratch/$name" >/dev/null
  left=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$scratch/$name" || true)
  if [ "$left" != 0 ]; then
    echo "$name: $left entries unfinished, missing or no longer in the sources (run scripts/update-translations, then translate):"
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$scratch/$name" | grep '<source>' | head -20
    status=1
  fi
done
[ $status = 0 ] && echo "translations: every file complete"
exit $status
