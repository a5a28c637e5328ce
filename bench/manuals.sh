#!/usr/bin/env bash
# Book size, thumbnails, detail for zooming and search on two real manuals from Debian's packages
# (libtasn1-doc's libtasn1.pdf, 36 pages; the one PDF in shared-mime-info's documentation, 17 pages,
# read as shared-mime-info.pdf) and a 196-page book of their pages (libtasn1.pdf five times, then the
# first 16 pages of the shared-mime-info document), imported
# with the command line's defaults (bench/manuals.mjs). Writes bench/manuals.txt. PAGEWIND_CLI names
# a pagewind-cli to use instead of a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
if [ -n "${PAGEWIND_CLI:-}" ]; then cli=$PAGEWIND_CLI; else build_release; cli="$build/bin/pagewind-cli"; fi
tasn1=/usr/share/doc/libtasn1-doc/libtasn1.pdf
mkdir -p "$work/manuals"
# The figures are named after the file; this one is named after its package.
mime="$work/manuals/shared-mime-info.pdf"
ln -sf "$(ls /usr/share/doc/shared-mime-info/*.pdf | head -n 1)" "$mime"
long="$work/manuals/manual196.pdf"
[ -f "$long" ] || mutool merge -o "$long" "$tasn1" "$tasn1" "$tasn1" "$tasn1" "$tasn1" "$mime" 1-16
[ -d tests/player/node_modules ] || (cd tests/player && npm ci --no-audit --no-fund >/dev/null)
PAGEWIND_CLI="$cli" node bench/manuals.mjs "$cli" "$work/manuals" "$tasn1" "$mime" "$long" | tee bench/manuals.txt
