# Every outside library the core links against, each as one imported target.

# MuPDF ships as static archives; its own dependencies come from the --static flags.
execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE} --static --libs mupdf
                OUTPUT_VARIABLE PW_MUPDF_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE PW_MUPDF_RESULT)
if(NOT PW_MUPDF_RESULT EQUAL 0)
  message(FATAL_ERROR "MuPDF not found: run scripts/install-deps")
endif()
execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE} --cflags mupdf
                OUTPUT_VARIABLE PW_MUPDF_CFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(PW_MUPDF_LIBS UNIX_COMMAND "${PW_MUPDF_LIBS}")
separate_arguments(PW_MUPDF_CFLAGS UNIX_COMMAND "${PW_MUPDF_CFLAGS}")
pkg_check_modules(HARFBUZZ REQUIRED IMPORTED_TARGET harfbuzz)
add_library(pw_mupdf INTERFACE)
target_compile_options(pw_mupdf INTERFACE ${PW_MUPDF_CFLAGS})
target_link_libraries(pw_mupdf INTERFACE ${PW_MUPDF_LIBS} PkgConfig::HARFBUZZ)

pkg_check_modules(TURBOJPEG REQUIRED IMPORTED_TARGET libturbojpeg)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
pkg_check_modules(NETTLE REQUIRED IMPORTED_TARGET nettle)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(LOG4CPLUS REQUIRED IMPORTED_TARGET log4cplus)
# Pictures as people bring them: decoding, orientation, colour (lcms2) and the formats libheif reads.
pkg_check_modules(VIPS REQUIRED IMPORTED_TARGET vips)
pkg_check_modules(LCMS2 REQUIRED IMPORTED_TARGET lcms2)
pkg_check_modules(LIBHEIF REQUIRED IMPORTED_TARGET libheif)
find_package(Threads REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
