#!/usr/bin/env bash
# Times PDF import against peer tools on the same machine, in one run:
#   pagewind-cli import --quality 1   (render at 144 dpi + JPEG quality 85, pages as files)
#   pdftoppm -jpeg -r 144 -jpegopt quality=85   (the same job by poppler)
#   mutool draw -r 144 to PNM         (MuPDF's render alone, no JPEG encoding)
# on a PDF of 40 photo-like 1600x1200 pictures and a 300-page text PDF, and compares peak
# memory of a 40- and a 400-page import. Prints the figures and ratios (also to bench/import.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source bench/lib.sh
build_release
cli="$build/bin/pagewind-cli"
make_photos
[ -f "$work/photos40.pdf" ] || img2pdf "$photos"/*.jpg -o "$work/photos40.pdf"
if [ ! -f "$work/photos400.pdf" ]; then
  list=(); for r in $(seq 1 10); do list+=("$photos"/*.jpg); done
  img2pdf "${list[@]}" -o "$work/photos400.pdf"
fi
if [ ! -f "$work/text300.pdf" ]; then
  pages="$work/textpages"; mkdir -p "$pages"; files=()
  for p in $(seq 1 300); do
    {
      echo "%%MediaBox 0 0 612 792"; echo "%%Font F1 Times-Roman"; echo "BT /F1 11 Tf 72 740 Td 14 TL"
      for l in $(seq 1 48); do echo "(Page $p line $l: the quick brown fox jumps over the lazy dog, again and again.) '"; done
      echo "ET"
    } > "$pages/$p.txt"
    files+=("$pages/$p.txt")
  done
  mutool create -o "$work/text300.pdf" "${files[@]}"
fi

report=()
say() { echo "$*"; report+=("$*"); }
for pdf in photos40 text300; do
  ours=$(measure "$cli" import --quality 1 -o "$work/out/book" "$work/$pdf.pdf")
  poppler=$(measure pdftoppm -jpeg -r 144 -jpegopt quality=85 "$work/$pdf.pdf" "$work/out/p")
  mupdf=$(measure mutool draw -q -r 144 -o "$work/out/p%d.pnm" "$work/$pdf.pdf")
  o=${ours% *}; p=${poppler% *}; m=${mupdf% *}
  say "$pdf: pagewind-cli import ${o}s, pdftoppm ${p}s ($(ratio "$p" "$o")x ours), mutool draw ${m}s ($(ratio "$m" "$o")x ours)"
done
m40=$(measure "$cli" import --quality 1 -o "$work/out/book" "$work/photos40.pdf"); m40=${m40#* }
m400=$(measure "$cli" import --quality 1 -o "$work/out/book" "$work/photos400.pdf"); m400=${m400#* }
say "peak memory: 40 pages ${m40} KB, 400 pages ${m400} KB ($(awk "BEGIN{printf \"%+.1f\", ($m400-$m40)*100/$m40}")%)"
printf '%s\n' "${report[@]}" > "$root/bench/import.txt"
