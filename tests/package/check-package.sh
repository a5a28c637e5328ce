#!/usr/bin/env bash
# check-package.sh BUILD_DIR WORK_DIR: makes the .deb with CPack and checks its file list, its
# metadata and Depends, and that pagewind-cli runs from the unpacked tree with its own templates.
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
fail() { echo "check-package: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  fail "cpack failed"
}
deb=$(ls "$work"/pagewind_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no pagewind_*.deb was made"

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files.txt"
for expected in \
  /usr/bin/pagewind /usr/bin/pagewind-cli \
  /usr/share/pagewind/AppFiles/Templates/float/flashTemplate.xml \
  /usr/share/pagewind/AppFiles/Styles/classic/ \
  /usr/share/pagewind/DemoImgs/01-sunrise.jpg \
  /usr/share/pagewind/logging.properties \
  /usr/share/applications/pagewind.desktop \
  /usr/share/metainfo/io.github.pagewind.pagewind.metainfo.xml \
  /usr/share/mime/packages/pagewind.xml \
  /usr/share/icons/hicolor/16x16/apps/pagewind.png /usr/share/icons/hicolor/32x32/apps/pagewind.png \
  /usr/share/icons/hicolor/48x48/apps/pagewind.png /usr/share/icons/hicolor/256x256/apps/pagewind.png; do
  grep -qxF "$expected" "$work/files.txt" || fail "the package lacks $expected"
done
# Nothing of the build or the tests goes along, and everything lies below /usr.
if grep -Ev '^/usr(/|$)|^/$' "$work/files.txt" | grep -q .; then fail "files outside /usr"; fi
if grep -Eq '/include/|_tests?$|/fuzz_|\.a$' "$work/files.txt"; then fail "build or test files in the package"; fi

depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6webenginewidgets6 libxml2 libzip4 libturbojpeg0; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb --field "$deb" Package)" = pagewind ] || fail "the package is not named pagewind"
dpkg-deb --field "$deb" Recommends | grep -q qt6-translations-l10n || fail "Recommends lacks Qt's translations"

dpkg-deb --extract "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/pagewind.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/io.github.pagewind.pagewind.metainfo.xml" >/dev/null

# The unpacked program finds the templates beside it, in ../share/pagewind: a style taken out
# of the unpacked tree is gone from its list, while the source tree still has it.
rm -r "$work/root/usr/share/pagewind/AppFiles/Styles/float/Ocean"
"$work/root/usr/bin/pagewind-cli" templates >"$work/templates.txt"
grep -q '^float' "$work/templates.txt" || fail "pagewind-cli templates lists no float: $(cat "$work/templates.txt")"
grep -q '^classic' "$work/templates.txt" || fail "pagewind-cli templates lists no classic"
if grep -q 'Ocean' "$work/templates.txt"; then fail "pagewind-cli read templates outside the unpacked tree"; fi
"$work/root/usr/bin/pagewind-cli" publish -o "$work/book" "$work/root/usr/share/pagewind/DemoImgs/01-sunrise.jpg" >/dev/null
[ -f "$work/book/files/book.bin" ] || fail "the unpacked pagewind-cli made no book"
echo "check-package: $(basename "$deb") ($(du -h "$deb" | cut -f1)) is complete"
rm -rf "$work/root" "$work/book" "$work/_CPack_Packages"
