#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/package/freevantor_VERSION_ARCH.deb from
# this source folder, after installing what the build needs.
# Install it with: sudo apt install ./build/package/freevantor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
install_deps package

cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF >/dev/null
cmake --build build/package -j"$(nproc)"
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/freevantor_*.deb
