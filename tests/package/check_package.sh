#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build folder and checks it as
# the distribution's tools would: its contents, its dependencies, lintian,
# the AppStream metadata and the desktop entry.
# usage: check_package.sh BUILD_DIR OUT_DIR
set -eu
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/freevantor_*.deb)
echo "built $(basename "$deb")"

contents=$(dpkg-deb --contents "$deb")
for f in usr/bin/vantor usr/bin/vantor-cli \
         usr/share/man/man1/vantor.1.gz usr/share/man/man1/vantor-cli.1.gz \
         usr/share/bash-completion/completions/vantor-cli \
         usr/share/applications/freevantor.desktop \
         usr/share/icons/hicolor/scalable/apps/freevantor.svg usr/share/icons/hicolor/48x48/apps/freevantor.png \
         usr/share/mime/packages/freevantor.xml \
         usr/share/metainfo/org.freevantor.FreeVantor.metainfo.xml \
         usr/share/freevantor/help/ja/index.html usr/share/freevantor/help/en/index.html \
         usr/share/freevantor/examples/vase.va4 \
         usr/share/doc/freevantor/copyright usr/share/doc/freevantor/changelog.gz; do
  echo "$contents" | grep -q " \./$f\$" || { echo "the package lacks /$f"; exit 1; }
done

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libgif7 zlib1g libc6; do
  echo "$depends" | grep -q "$lib" || { echo "Depends lacks $lib"; exit 1; }
done

lintian --fail-on error --tag-display-limit 0 "$deb"

mkdir "$out/root"
dpkg-deb --extract "$deb" "$out/root"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/org.freevantor.FreeVantor.metainfo.xml"
desktop-file-validate "$out/root/usr/share/applications/freevantor.desktop"
"$out/root/usr/bin/vantor-cli" --version
echo "package checked"
