#!/usr/bin/env bash
# Import time and peak memory of documents of 1,000, 10,000 and 100,000 small pages in one
# flat page tree (the shape the build action writes), against mutool draw at 10,000 pages.
# A time per page that stays the same shows the import is linear in the page count. Writes
# bench/long-document.txt. Single runs: the 100,000-page one takes about half a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build_release
cli="$build/bin/pagewind-cli"

make_flat_pdf() {
  python3 - "$1" "$2" <<'PY'
import sys
n, out = int(sys.argv[1]), sys.argv[2]
content = b"0 0 1 rg 2 2 6 6 re f"
objs = [b"<< /Type /Catalog /Pages 2 0 R >>",
        ("<< /Type /Pages /Count %d /Kids [%s] >>" % (n, " ".join("%d 0 R" % (4 + i) for i in range(n)))).encode(),
        b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream"]
objs += [b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 10 10] /Contents 3 0 R >>"] * n
data, offsets = bytearray(b"%PDF-1.4\n"), []
for i, o in enumerate(objs):
    offsets.append(len(data))
    data += b"%d 0 obj\n" % (i + 1) + o + b"\nendobj\n"
xref = len(data)
data += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objs) + 1)
data += b"".join(b"%010d 00000 n \n" % off for off in offsets)
data += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objs) + 1, xref)
open(out, "wb").write(data)
PY
}

once() {
  rm -rf "$work/out"; mkdir -p "$work/out"
  /usr/bin/time -o "$work/time.txt" -f "%e %M" "$@" >/dev/null 2>&1
  tail -1 "$work/time.txt"
}

{
  for n in 1000 10000 100000; do
    pdf="$work/flat-$n.pdf"
    [ -f "$pdf" ] || make_flat_pdf "$n" "$pdf"
    r=$(once "$cli" import --quality 4 -o "$work/out/book" "$pdf")
    t=${r% *}; m=${r#* }
    echo "$n pages: pagewind-cli import ${t}s ($(awk "BEGIN{printf \"%.3f\", 1000*$t/$n}") ms/page), peak memory ${m} KB"
    if [ "$n" = 10000 ]; then
      r=$(once mutool draw -q -r 144 -o "$work/out/%d.jpg" "$pdf")
      echo "$n pages: mutool draw ${r% *}s ($(ratio "${r% *}" "$t")x ours)"
    fi
  done
} | tee bench/long-document.txt
