# Shared by the benchmark scripts: the work folder, a Release build, timing.
work=${PAGEWIND_BENCH_DIR:-/tmp/pagewind-bench}
build="$work/build"
mkdir -p "$work"

build_release() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPAGEWIND_BUILD_APP=OFF -DPAGEWIND_BUILD_TESTS=OFF \
    -DPAGEWIND_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" --target pagewind-cli pw-bench-build-pdf >/dev/null
}

# "seconds peak-kilobytes" of a command: the best time of three runs (output folder emptied
# before each), and the peak memory of the last.
measure() {
  local best="" mem="" line t m
  for _ in 1 2 3; do
    rm -rf "$work/out"; mkdir -p "$work/out"
    /usr/bin/time -o "$work/time.txt" -f "%e %M" "$@" >/dev/null 2>&1
    line=$(tail -1 "$work/time.txt"); t=${line% *}; m=${line#* }
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
    mem=$m
  done
  echo "$best $mem"
}

ratio() { awk "BEGIN{printf \"%.2f\", $1/$2}"; }

# 40 photo-like 1600x1200 JPEG pictures, made once.
make_photos() {
  photos="$work/photos"
  if [ ! -f "$photos/39.jpg" ]; then
    mkdir -p "$photos"
    for i in $(seq 0 39); do
      convert -size 400x300 -seed "$i" plasma:fractal -blur 0x1 -resize 1600x1200 -quality 90 "$photos/$(printf %02d "$i").jpg"
    done
  fi
}
