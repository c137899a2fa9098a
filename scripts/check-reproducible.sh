#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the committed sources twice, in two folders of different names and
# depths, and compares the programs byte for byte: no path of the build
# machine and nothing of the moment may reach them.
# usage: scripts/check-reproducible.sh [COMMIT]   (default: HEAD; takes two full builds)
set -euo pipefail
cd "$(dirname "$0")/.."
commit="${1:-HEAD}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A cache would hand the second build the first one's objects.
export CCACHE_DISABLE=1
for tree in "$work/a/src" "$work/bb/deeper/folder/src"; do
  mkdir -p "$tree"
  git archive "$commit" | tar -x -C "$tree"
  cmake -S "$tree" -B "$tree/../build" -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF >/dev/null
  cmake --build "$tree/../build" -j"$(nproc)" --target vantor vantor-cli >/dev/null
done
status=0
for program in qt/vantor cli/vantor-cli; do
  if cmp -s "$work/a/build/$program" "$work/bb/deeper/folder/build/$program"; then
    echo "$program: identical ($(sha256sum < "$work/a/build/$program" | cut -c1-16))"
  else
    echo "$program: differs"; status=1
  fi
done
exit "$status"
