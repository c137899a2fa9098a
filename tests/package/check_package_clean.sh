#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The package as a user's machine receives it: its Depends hold the linked
# libraries however it is built (with dpkg-shlibdeps or without it), no
# installed file carries a path of the build machine, the copyright file
# names every library the programs link, the description is one paragraph,
# and lintian finds the hardening flags.
# usage: check_package_clean.sh BUILD_DIR SOURCE_DIR OUT_DIR
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
out="$3"
rm -rf "$out"
mkdir -p "$out/with" "$out/without"
failed=0
fail() { echo "$*"; failed=1; }

# Depends holds the libraries without which the programs do not start.
check_depends() {
  deb="$1"
  depends=$(dpkg-deb --field "$deb" Depends)
  echo "Depends ($2): $depends"
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libzip4 libcairo2 libimagequant0 libgif7 zlib1g libc6; do
    echo "$depends" | grep -q "\\b$lib\\b" || fail "Depends ($2) lacks $lib"
  done
}

(cd "$build" && cpack -G DEB -B "$out/with" >"$out/with/cpack.log" 2>&1) || { cat "$out/with/cpack.log"; exit 1; }
deb=$(ls "$out"/with/freevantor_*.deb)
check_depends "$deb" "built with dpkg-shlibdeps"

# The same build where dpkg-shlibdeps cannot run.
(cd "$build" && cpack -G DEB -B "$out/without" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$out/without/cpack.log" 2>&1) ||
  { cat "$out/without/cpack.log"; exit 1; }
check_depends "$(ls "$out"/without/freevantor_*.deb)" "built without dpkg-shlibdeps"

# One paragraph: no line of the description is a CMake list separator.
if dpkg-deb --field "$deb" Description | grep -q '^ *;'; then
  fail "the description has lines of ';':"; dpkg-deb --field "$deb" Description
fi

root="$out/root"
mkdir "$root"
dpkg-deb --extract "$deb" "$root"

# No path of the build machine in any installed file.
for path in "$source" "$build"; do
  found=$(grep -rlF "$path" "$root" || true)
  [ -z "$found" ] || fail "installed files hold $path: $found"
done

# Every library the programs link, by its soname, and the name under which
# the copyright file gives its licence and notice.
copyright="$root/usr/share/doc/freevantor/copyright"
for program in "$root"/usr/bin/*; do
  for soname in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    case "$soname" in
      libQt6*) name="Qt 6" ;;
      lib3[mM][fF]*) name="lib3mf" ;;
      libzip*) name="libzip" ;;
      libcairo*) name="cairo" ;;
      libgomp*) name="libgomp1" ;;
      libgif*) name="giflib" ;;
      libimagequant*) name="libimagequant" ;;
      libpolyclipping*) name="Clipper" ;;
      libz.so*) name="zlib" ;;
      libstdc++*) name="libstdc++6" ;;
      libgcc_s*) name="libgcc-s1" ;;
      libc.so*|libm.so*) name="libc6" ;;
      *) fail "$(basename "$program") links $soname, which the copyright check does not know: add it to the copyright file and here"; continue ;;
    esac
    grep -qF "$name" "$copyright" || fail "the copyright file does not name $name ($soname, linked by $(basename "$program"))"
  done
done
grep -q '^License: GPL-3+' "$copyright" || fail "the copyright file gives no GPL-3+ licence"

# The distribution's hardening flags, as lintian checks them.
lintian --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || true
if grep -q 'hardening-' "$out/lintian.log"; then
  fail "lintian finds hardening missing:"; grep 'hardening-' "$out/lintian.log"
fi

[ "$failed" = 0 ] && echo "package clean"
exit "$failed"
