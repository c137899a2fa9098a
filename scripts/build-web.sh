#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser version into build/web/: static files (index.html, the
# scripts, vantor.js and vantor.wasm with the examples built in, the threaded
# vantor-mt.js, vantor-mt.wasm and vantor-mt.worker.js, the manual) that any
# web server can serve. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
install_deps web

export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
  launcher=()
fi
web/deps/build-deps.sh
# One thread, and threads for pages that are cross-origin isolated.
emcmake cmake -S web -B build/web-page -DCMAKE_BUILD_TYPE=Release -DVANTOR_WEB_PAGE=ON "${launcher[@]}" >/dev/null
cmake --build build/web-page -j"$(nproc)"
emcmake cmake -S web -B build/web-page-mt -DCMAKE_BUILD_TYPE=Release -DVANTOR_WEB_PAGE=ON -DVANTOR_WEB_THREADS=ON \
  "${launcher[@]}" >/dev/null
cmake --build build/web-page-mt -j"$(nproc)"

out=build/web
rm -rf "$out.tmp"
mkdir -p "$out.tmp/help"
cp web/page/*.html web/page/*.js web/page/*.css "$out.tmp/"
cp build/web-page/vantor.js build/web-page/vantor.wasm "$out.tmp/"
cp build/web-page-mt/vantor-mt.js build/web-page-mt/vantor-mt.wasm build/web-page-mt/vantor-mt.worker.js "$out.tmp/"
cp -r docs/help/. "$out.tmp/help/"
rm -rf "$out"
mv "$out.tmp" "$out"
echo "The browser version is in $out/"
