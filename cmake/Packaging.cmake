# The Debian package: `cpack -G DEB` in a build folder makes pagewind_VERSION_ARCH.deb from what
# `cmake --install` installs, below /usr. Depends is computed from the shared libraries the
# programs link (dpkg-shlibdeps).

# Installing (and packaging) takes what is built and never starts a build of its own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagewind)
set(CPACK_PACKAGE_VENDOR "Pagewind")
set(CPACK_PACKAGE_CONTACT "Pagewind developers <pagewind@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop flip-book maker")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pagewind turns photographs or a PDF into a page-flipping electronic book: a folder with an\n"
    "HTML page that plays in any modern browser. The desktop application keeps projects, with\n"
    "undo and a live preview; pagewind-cli makes the same books without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The preview and published books are read by a browser; the desktop finds the icon and entry.
# Pagewind's own translations are inside the program; Qt's standard dialogs and buttons take
# theirs from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "chromium | firefox-esr | www-browser, qt6-translations-l10n")
# gzip: a quarter of the time xz takes, for a package a little larger.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
