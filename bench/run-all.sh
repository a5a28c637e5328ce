#!/usr/bin/env bash
# Runs every benchmark of the project in one go and writes bench/RESULTS.md: each figure, its
# peer's figure on the same machine in the same run, and the ratio.
#   import      pagewind-cli import vs pdftoppm and mutool draw (bench/import.sh)
#   phones      the build action on 40 phone photos vs an earlier version and img2pdf + pdftoppm
#               (bench/phone-build.sh)
#   pictures    40 HEIC and 20 CMYK photos through pagewind-cli publish vs vipsthumbnail
#               (bench/picture-intake.sh)
#   build       the build action's PDF making vs img2pdf, 40 photos
#   publish     pagewind-cli publish of a 500-page book vs cp of its page files
#   player      opening a 10- and a 500-page book in headless Chromium
#   turn        page-turn frame times of a 500-page book vs the flat-card player (bench/player-turn.mjs)
#   search      searching a 1,000-page text book once its text is loaded (bench/search.sh)
#   manuals     two real manuals and a 196-page book of their pages: book size, thumbnails, zoom
#               detail against a larger picture and SVG, search over http (bench/manuals.sh)
#   long        importing 1,000 to 100,000 pages (bench/long-document.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source bench/lib.sh

bash bench/import.sh
bash bench/phone-build.sh
bash bench/picture-intake.sh
build_release
cli="$build/bin/pagewind-cli"
make_photos

# build: pictures into one PDF
built=$(measure "$build/bin/pw-bench-build-pdf" "$work/out/ours.pdf" "$photos"/*.jpg)
img2pdf_t=$(measure img2pdf "$photos"/*.jpg -o "$work/out/peer.pdf")
b=${built% *}; i=${img2pdf_t% *}

# publish: 500 distinct page files
pub="$work/pub500"
if [ ! -f "$pub/499.jpg" ]; then
  mkdir -p "$pub"; all=("$photos"/*.jpg)
  for n in $(seq 0 499); do ln -f "${all[$((n % 40))]}" "$pub/$n.jpg"; done
fi
published=$(measure "$cli" publish -o "$work/out/book" "$pub"/*.jpg)
copied=$(measure bash -c 'mkdir -p "$1/copy" && cp "$2"/*.jpg "$1/copy/"' _ "$work/out" "$pub")
p=${published% *}; c=${copied% *}

# player: open time
[ -d tests/player/node_modules ] || (cd tests/player && npm ci --no-audit --no-fund >/dev/null)
[ -d player/node_modules ] || (cd player && npm ci --no-audit --no-fund >/dev/null)
player=$(PAGEWIND_CLI="$cli" node bench/player-open.mjs)
p10=$(node -e "console.log(JSON.parse(process.argv[1])['10'])" "$player")
p500=$(node -e "console.log(JSON.parse(process.argv[1])['500'])" "$player")
# The player before thumbnails and zoom detail came, on the same book.
turn=$(PW_TURN_BEFORE=d1ba784 PAGEWIND_CLI="$cli" node bench/player-turn.mjs)
field() { node -e "const r = JSON.parse(process.argv[1]); console.log(r[process.argv[2]] ? r[process.argv[2]][process.argv[3]] : '—')" "$turn" "$1" "$2"; }

bash bench/search.sh
PAGEWIND_CLI="$cli" bash bench/manuals.sh

# Last: its 100,000 deleted files slow the file system for a while after.
bash bench/long-document.sh

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')
{
  echo "# Benchmark results"
  echo
  echo "Made by \`bench/run-all.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores ($cpu), $(uname -sr)."
  echo "Times are the best of three runs; a ratio above 1 means Pagewind is faster than its peer."
  echo
  echo "## PDF import (render at 144 dpi, JPEG quality 85)"
  echo
  echo '```'
  cat bench/import.txt
  echo '```'
  echo
  echo "Peak memory grows with the page count only until MuPDF's 32 MB store of compressed pictures is"
  echo "full; after that it stays (1,200 photo pages: 103 MB)."
  echo
  echo "## Build of 40 phone photos (4032x3024 pixels, pages capped at 4096 pixels, JPEG quality 85)"
  echo
  echo '```'
  cat bench/phone-build.txt
  echo '```'
  echo
  echo "## Photos as phones and print shops make them (4032x3024 pixels, pages at most 4096 pixels, JPEG quality 90)"
  echo
  echo '```'
  cat bench/picture-intake.txt
  echo '```'
  echo
  echo "## Search in a 1,000-page text book (times in ms, best of five; sizes in KB)"
  echo
  echo '```'
  cat bench/search.txt
  echo '```'
  echo
  echo "## Real manuals: book size, thumbnails, zoom detail, search"
  echo
  echo "\`bench/manuals.sh\`: libtasn1.pdf (libtasn1-doc, 36 pages) and the PDF of shared-mime-info's documentation"
  echo "(shared-mime-info, 17 pages), and a 196-page book of their pages, imported with the command"
  echo "line's defaults (quality 1, links, bookmarks, text). Sizes in KB (a page's share of each folder),"
  echo "\`growth\`: the whole book over the same book without thumbnails and detail. Detail forms, KB a"
  echo "page: our tiles (\`largeKB\`), one larger picture (360 dpi JPEG 85) and MuPDF's SVG. Zooms:"
  echo "\`fetchedOverShown\` is the bytes of the tiles fetched over the bytes of their parts on the screen;"
  echo "\`pictureOverDevicePixels\` the fewest tile pixels a device pixel. Search: ms from Enter to the count."
  echo
  echo '\`\`\`'
  cat bench/manuals.txt
  echo '\`\`\`'
  echo
  echo "## Long documents (flat page tree, small pages, JPEG quality 25; single runs)"
  echo
  echo '```'
  cat bench/long-document.txt
  echo '```'
  echo
  echo "| benchmark | Pagewind | peer | peer / Pagewind |"
  echo "|---|---|---|---|"
  echo "| build: 40 photos into a PDF | ${b} s | img2pdf ${i} s | $(ratio "$i" "$b") |"
  echo "| publish a 500-page book | ${p} s | cp of the 500 page files ${c} s | $(ratio "$c" "$p") |"
  echo "| player: open a 10-page book | ${p10} ms | — | — |"
  echo "| player: open a 500-page book | ${p500} ms | the 10-page book ${p10} ms | $(ratio "$p10" "$p500") |"
  echo "| player: turn frame time, 95th percentile | $(field ours p95) ms | flat-card player $(field card p95) ms | $(ratio "$(field card p95)" "$(field ours p95)") |"
  echo "| player: turn frame time, 95th percentile, against the player before thumbnails and detail | $(field ours p95) ms | d1ba784 $(field before p95) ms | $(ratio "$(field before p95)" "$(field ours p95)") |"
  echo "| player: turn frames more than 25 ms apart | $(field ours late) % | flat-card player $(field card late) % | — |"
  echo "| player: main-thread time a frame, 95th percentile | $(field ours mainP95) ms | flat-card player $(field card mainP95) ms | $(ratio "$(field card mainP95)" "$(field ours mainP95)") |"
  echo "| player: compositor time a frame, 95th percentile | $(field ours compositorP95) ms | flat-card player $(field card compositorP95) ms | $(ratio "$(field card compositorP95)" "$(field ours compositorP95)") |"
  echo "| player: layouts a turn | $(field ours layoutsPerTurn) | flat-card player $(field card layoutsPerTurn) | — |"
  echo
  echo "Turns: $(node -e "console.log(process.argv[1])" "$turn"), load average $(cut -d' ' -f1-3 /proc/loadavg)."
} > bench/RESULTS.md
cat bench/RESULTS.md
