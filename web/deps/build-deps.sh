#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the third-party libraries of the browser build with emcc from the
# distribution's own source packages, into build/web-deps/ (include/, lib/,
# lib/pkgconfig/). Each library is built once; delete its stamp file
# (build/web-deps/stamps/NAME) to build it again.
#
# zlib (zlib licence), polyclipping (Boost licence), giflib (MIT),
# libimagequant 2.x (GPL-3.0-or-later) and libzip (BSD-3-Clause) may all be
# linked into a GPL-3.0-or-later program.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${WEB_DEPS_DIR:-$root/build/web-deps}"
src="$out/src"
mkdir -p "$out/include" "$out/lib/pkgconfig" "$out/stamps" "$src"

export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
EMCC="${EMCC:-emcc}"
EMAR="${EMAR:-emar}"
# Compiled for size: the page is downloaded before it runs, and no picture
# waits for these libraries.
CFLAGS=(-Os -fPIC)

# The distribution's source index: a deb-src entry for Debian bookworm when
# none is configured.
ensure_sources() {
  if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then return 0; fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Adding the Debian bookworm source index (deb-src)"
  $sudo tee /etc/apt/sources.list.d/freevantor-web-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  $sudo apt-get update -qq
}

# Unpacks the source package $1 into $src/$1 and prints its folder.
fetch_source() {
  local pkg="$1"
  if [ ! -d "$src/$pkg" ]; then
    local tmp
    tmp="$(mktemp -d "$src/.$pkg.XXXX")"
    (cd "$tmp" && apt-get source -qq "$pkg" >/dev/null 2>&1) || {
      echo "apt-get source $pkg failed" >&2; rm -rf "$tmp"; return 1; }
    local dir
    dir="$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
    mv "$dir" "$src/$pkg"
    rm -rf "$tmp"
  fi
  echo "$src/$pkg"
}

# Compiles the C or C++ files given after -- into lib$1.a.
archive() {
  local name="$1" dir="$2"; shift 2
  local flags=()
  while [ "$1" != "--" ]; do flags+=("$1"); shift; done
  shift
  local objdir="$out/obj/$name"
  rm -rf "$objdir"; mkdir -p "$objdir"
  local objs=()
  for f in "$@"; do
    local o="$objdir/$(basename "${f%.*}").o"
    "$EMCC" "${CFLAGS[@]}" "${flags[@]}" -c "$dir/$f" -o "$o"
    objs+=("$o")
  done
  rm -f "$out/lib/lib$name.a"
  "$EMAR" rcs "$out/lib/lib$name.a" "${objs[@]}"
}

pc_file() {
  local name="$1" version="$2" libs="$3" cflags="${4:-}"
  cat > "$out/lib/pkgconfig/$name.pc" <<PC
prefix=$out
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $name
Description: $name built for the browser
Version: $version
Libs: -L\${libdir} $libs
Cflags: -I\${includedir} $cflags
PC
}

done_before() { [ -f "$out/stamps/$1" ]; }
stamp() { touch "$out/stamps/$1"; echo "built $1"; }

build_zlib() {
  done_before zlib && return 0
  local d; d="$(fetch_source zlib)"
  archive z "$d" -DHAVE_UNISTD_H -DHAVE_STDARG_H -- adler32.c compress.c crc32.c deflate.c gzclose.c gzlib.c gzread.c \
    gzwrite.c infback.c inffast.c inflate.c inftrees.c trees.c uncompr.c zutil.c
  cp "$d/zlib.h" "$d/zconf.h" "$out/include/"
  local v; v="$(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$d/zlib.h")"
  pc_file zlib "$v" "-lz"
  stamp zlib
}

build_polyclipping() {
  done_before polyclipping && return 0
  local d; d="$(fetch_source libpolyclipping)"
  local cpp; cpp="$(cd "$d" && find . -name clipper.cpp -path '*cpp*' | head -n 1)"
  archive polyclipping "$d" -std=c++17 -- "$cpp"
  mkdir -p "$out/include/polyclipping"
  cp "$d/$(dirname "$cpp")/clipper.hpp" "$out/include/polyclipping/"
  pc_file polyclipping 6.4.2 "-lpolyclipping" "-I\${includedir}/polyclipping"
  stamp polyclipping
}

build_giflib() {
  done_before giflib && return 0
  local d; d="$(fetch_source giflib)"
  archive gif "$d" -- dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_hash.c openbsd-reallocarray.c quantize.c
  cp "$d/gif_lib.h" "$out/include/"
  stamp giflib
}

build_imagequant() {
  done_before imagequant && return 0
  local d; d="$(fetch_source libimagequant)"
  # The C library is the top folder of the source package (2.x).
  local files=()
  for f in blur.c kmeans.c libimagequant.c mediancut.c mempool.c nearest.c pam.c; do files+=("$f"); done
  archive imagequant "$d" -std=c99 -DNDEBUG -- "${files[@]}"
  cp "$d/libimagequant.h" "$out/include/"
  pc_file imagequant "$(sed -n 's/^#define LIQ_VERSION_STRING "\(.*\)"/\1/p' "$d/libimagequant.h")" "-limagequant"
  stamp imagequant
}

# libzip without its CMake configure, whose size checks fail under emcc:
# config.h states what emscripten's libc has (64-bit off_t, 32-bit size_t),
# zipconf.h and the error texts are made from the package's own templates
# the way its CMakeLists.txt makes them. Deflate only, no encryption.
build_libzip() {
  done_before libzip && return 0
  local d; d="$(fetch_source libzip)"
  local gen="$out/obj/libzip-gen"
  rm -rf "$gen"; mkdir -p "$gen"
  local v; v="$(sed -n '/^project(libzip/,/)/s/^ *VERSION \([0-9.]*\).*/\1/p' "$d/CMakeLists.txt" | head -n 1)"
  cat > "$gen/config.h" <<CONF
#ifndef HAD_CONFIG_H
#define HAD_CONFIG_H
#ifndef _HAD_ZIPCONF_H
#include "zipconf.h"
#endif
#define HAVE_FILENO
#define HAVE_FSEEKO
#define HAVE_FTELLO
#define HAVE_LOCALTIME_R
#define HAVE_NULLABLE
#define HAVE_SNPRINTF
#define HAVE_STRCASECMP
#define HAVE_STRDUP
#define HAVE_STRTOLL
#define HAVE_STRTOULL
#define HAVE_STDBOOL_H
#define HAVE_STRINGS_H
#define HAVE_UNISTD_H
#define SIZEOF_OFF_T 8
#define SIZEOF_SIZE_T 4
#define PACKAGE "libzip"
#define VERSION "$v"
#endif
CONF
  sed -e "s/\${libzip_VERSION}/$v/" -e "s/\${libzip_VERSION_MAJOR}/${v%%.*}/" \
      -e "s/\${libzip_VERSION_MINOR}/$(echo "$v" | cut -d. -f2)/" -e "s/\${libzip_VERSION_PATCH}/${v##*.}/" \
      -e 's/^#cmakedefine ZIP_STATIC/#define ZIP_STATIC/' -e 's/\${ZIP_NULLABLE_DEFINES}//' \
      -e 's/\${LIBZIP_TYPES_INCLUDE}/#include <inttypes.h>/' \
      -e 's/\${ZIP_\(U\{0,1\}\)INT\([0-9]*\)_T}/\L\1int\2_t/' \
      "$d/cmake-zipconf.h.in" > "$gen/zipconf.h"
  # The error texts and kinds, from the comments of zip.h's ZIP_ER_ lines.
  awk 'BEGIN { print "#include \"zipint.h\"\nconst char * const _zip_err_str[] = {" }
       /^#define ZIP_ER_[A-Z_]+ [0-9]+[ \t]+\/\* [NSZ] / {
         match($0, /\/\* [NSZ] [^*]*\*\//); t = substr($0, RSTART + 5, RLENGTH - 7); sub(/ +$/, "", t)
         kinds = kinds "    " substr($0, RSTART + 3, 1) ",\n"; print "    \"" t "\"," }
       END { print "};\nconst int _zip_nerr_str = sizeof(_zip_err_str)/sizeof(_zip_err_str[0]);"
             print "#define N ZIP_ET_NONE\n#define S ZIP_ET_SYS\n#define Z ZIP_ET_ZLIB"
             printf "const int _zip_err_type[] = {\n%s};\n", kinds }' "$d/lib/zip.h" > "$gen/zip_err_str.c"
  # The library's own list of sources for a system without Windows, bzip2,
  # xz or a crypto library.
  local files=()
  while read -r f; do files+=("$d/lib/$f"); done < <(
    sed -n '/^add_library(zip$/,/^  )$/p' "$d/lib/CMakeLists.txt" | grep -oE 'zip_[a-z0-9_-]+\.c' | grep -v '^zip_err_str\.c$')
  files+=("$d/lib/zip_mkstempm.c" "$d/lib/zip_source_file_stdio_named.c" "$d/lib/zip_random_unix.c" "$gen/zip_err_str.c")
  archive zip "" -I"$gen" -I"$d/lib" -I"$out/include" -Wno-everything -- "${files[@]}"
  cp "$d/lib/zip.h" "$gen/zipconf.h" "$out/include/"
  pc_file libzip "$v" "-lzip -lz"
  stamp libzip
}

ensure_sources
build_zlib
build_polyclipping
build_giflib
build_imagequant
build_libzip
echo "Third-party libraries for the browser are in $out"
