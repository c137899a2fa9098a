#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the third-party libraries of the browser build with emcc from the
# distribution's own source packages, into build/web-deps/ (include/, lib/,
# lib/pkgconfig/). Each library is built once; delete its stamp file
# (build/web-deps/stamps/NAME) to build it again.
#
# zlib (zlib licence), polyclipping (Boost licence), giflib (MIT) and
# libimagequant 2.x (GPL-3.0-or-later) may all be linked into a
# GPL-3.0-or-later program. 3MF (lib3mf) is left out of the browser build.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${WEB_DEPS_DIR:-$root/build/web-deps}"
src="$out/src"
mkdir -p "$out/include" "$out/lib/pkgconfig" "$out/stamps" "$src"

export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
EMCC="${EMCC:-emcc}"
EMAR="${EMAR:-emar}"
CFLAGS=(-O2 -fPIC)

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

ensure_sources
build_zlib
build_polyclipping
build_giflib
build_imagequant
echo "Third-party libraries for the browser are in $out"
