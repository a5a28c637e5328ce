#!/usr/bin/env bash
# Search in a 1,000-page text book (48 lines a page): import with pagewind-cli, load its
# files/search text as the player does, and time searches on it (bench/search.mjs). Writes
# bench/search.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build_release
pdf="$work/text1000.pdf"
if [ ! -f "$pdf" ]; then
  pages="$work/textpages1000"; mkdir -p "$pages"; files=()
  for p in $(seq 1 1000); do
    {
      echo "%%MediaBox 0 0 612 792"; echo "%%Font F1 Times-Roman"; echo "BT /F1 11 Tf 72 740 Td 14 TL"
      for l in $(seq 1 48); do echo "(Page $p line $l: the quick brown fox jumps over the lazy dog, again and again.) '"; done
      echo "ET"
    } > "$pages/$p.txt"
    files+=("$pages/$p.txt")
  done
  mutool create -o "$pdf" "${files[@]}"
fi
rm -rf "$work/out"; mkdir -p "$work/out"
node bench/search.mjs "$build/bin/pagewind-cli" "$pdf" "$work/out/book" | tee bench/search.txt
