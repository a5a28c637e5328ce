#!/usr/bin/env bash
# Times the picture intake on photographs as phones and print shops send them, in one run:
#   heic40   40 HEIC photos of 4032x3024 pixels (as an iPhone stores them)
#   cmyk20   20 CMYK JPEGs of 4032x3024 pixels with a CMYK profile (as print shops send them)
# each through pagewind-cli publish (pages of at most 4096 pixels a side, upright sRGB JPEG)
# against vipsthumbnail doing the same work (decode, sRGB, at most 4096 a side, JPEG Q=90).
# Prints the figures and ratios (also to bench/picture-intake.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source bench/lib.sh
build_release
cli="$build/bin/pagewind-cli"

# Four distinct photos of each kind (HEVC encoding takes minutes a photo), copied to the count.
heics="$work/heic"
if [ ! -f "$heics/39.heic" ]; then
  mkdir -p "$heics"
  for i in $(seq 0 3); do
    [ -f "$heics/0$i.heic" ] && continue
    convert -size 504x378 -seed "$i" plasma:fractal -blur 0x1 -resize 4032x3024 "$work/plasma.png"
    vips heifsave "$work/plasma.png" "$heics/0$i.heic" --Q 50
  done
  for i in $(seq 4 39); do cp "$heics/0$((i % 4)).heic" "$heics/$(printf %02d "$i").heic"; done
fi
cmyks="$work/cmyk"
if [ ! -f "$cmyks/19.jpg" ]; then
  mkdir -p "$cmyks"
  for i in $(seq 0 3); do
    convert -size 504x378 -seed "$((i + 100))" plasma:fractal -blur 0x1 -resize 4032x3024 "$work/plasma.png"
    vips icc_transform "$work/plasma.png" "$cmyks/0$i.jpg[Q=90]" cmyk --input-profile srgb --embedded
  done
  for i in $(seq 4 19); do cp "$cmyks/0$((i % 4)).jpg" "$cmyks/$(printf %02d "$i").jpg"; done
fi

report=()
say() { echo "$*"; report+=("$*"); }
for set in heic cmyk; do
  files=("$work/$set"/*)
  ours=$(measure "$cli" publish -o "$work/out/book" "${files[@]}")
  peer=$(measure bash -c 'out=$1; shift; vipsthumbnail --size 4096x4096\> -o "$out/%s.jpg[Q=90,strip]" "$@"' _ "$work/out" "${files[@]}")
  o=${ours% *}; p=${peer% *}
  say "$set${#files[@]}: pagewind-cli publish ${o}s (peak ${ours#* } KB), vipsthumbnail ${p}s ($(ratio "$p" "$o")x ours, peak ${peer#* } KB)"
done
printf '%s\n' "${report[@]}" > "$root/bench/picture-intake.txt"
