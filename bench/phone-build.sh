#!/usr/bin/env bash
# Times the build action on 40 phone photos (4032x3024 pixels at 72 dpi, so 4032x3024-point
# pages), in one run:
#   pagewind-cli build                 this tree (pages capped at 4096 pixels a side)
#   pagewind-cli build of $BASELINE    an earlier commit (default 1481db4, before the cap: every
#                                      page rendered at 8064x6048)
#   img2pdf + pdftoppm -scale-to 4096  the same job by peer tools, JPEG quality 85
# Prints the figures and ratios (also to bench/phone-build.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source bench/lib.sh
build_release
cli="$build/bin/pagewind-cli"
baseline_commit=${BASELINE:-1481db4}

# The earlier version, built once from its own worktree.
base_tree="$work/baseline-$baseline_commit"
base_build="$work/baseline-build-$baseline_commit"
if [ ! -x "$base_build/bin/pagewind-cli" ]; then
  [ -d "$base_tree" ] || git worktree add --detach "$base_tree" "$baseline_commit" >/dev/null
  cmake -S "$base_tree" -B "$base_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPAGEWIND_BUILD_APP=OFF \
    -DPAGEWIND_BUILD_TESTS=OFF >/dev/null
  cmake --build "$base_build" --target pagewind-cli >/dev/null
fi

phones="$work/phones"
if [ ! -f "$phones/39.jpg" ]; then
  mkdir -p "$phones"
  for i in $(seq 0 39); do
    convert -size 504x378 -seed "$i" plasma:fractal -blur 0x1 -resize 4032x3024 -density 72 -units PixelsPerInch \
      -quality 90 "$phones/$(printf %02d "$i").jpg"
  done
fi

report=()
say() { echo "$*"; report+=("$*"); }
ours=$(measure "$cli" build --quality 1 -o "$work/out/book" "$phones"/*.jpg)
before=$(measure "$base_build/bin/pagewind-cli" build --quality 1 -o "$work/out/book" "$phones"/*.jpg)
peer=$(measure bash -c 'img2pdf "$2"/*.jpg -o "$1/p.pdf" && pdftoppm -jpeg -scale-to 4096 -jpegopt quality=85 "$1/p.pdf" "$1/p"' \
  _ "$work/out" "$phones")
o=${ours% *}; b=${before% *}; p=${peer% *}
say "phones40: pagewind-cli build ${o}s (peak ${ours#* } KB), $baseline_commit ${b}s ($(ratio "$b" "$o")x ours, peak ${before#* } KB), img2pdf+pdftoppm ${p}s ($(ratio "$p" "$o")x ours)"
printf '%s\n' "${report[@]}" > "$root/bench/phone-build.txt"
