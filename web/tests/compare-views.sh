#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Random views of the examples (the same every run): the browser build's
# vantor-cli under node draws the bytes of the native one. The first views
# sit on the options' limits.
# Usage: compare-views.sh NATIVE_CLI WEB_CLI_JS EXAMPLES_DIR WORK_DIR [COUNT]
# Prints "N passed, M failed".
set -uo pipefail
native="$1" web="$2" examples="$3" work="$4" count="${5:-60}"
mkdir -p "$work"
views="$work/views.txt"
{
  echo "vase 32 --set viewHeight=90 --set lightDirV=-90 --set unitAngle=45"
  echo "pawn 8 --set viewHeight=-90 --set lightDirV=90 --set inclin=180"
  echo "lamp 32 --set inclin=-180 --set zoom=0.1 --set unitAngle=1"
  echo "torus 8 --set lightDirH=359.9 --set bright=21 --set lightDistRate=1.5"
  awk -v n="$count" 'BEGIN {
    srand(360);
    split("vase pawn lamp torus wineglass", names, " ");
    split("1 2 3 5 6 9 10 15 18 30 45", units, " ");
    for (i = 4; i < n; ++i) {
      printf "%s %d --set viewHeight=%.2f --set zoom=%.3f --set inclin=%.1f --set unitAngle=%s",
        names[int(rand() * 5) + 1], rand() < 0.5 ? 8 : 32, rand() * 180 - 90, 0.3 + rand() * 2.7,
        rand() * 360 - 180, units[int(rand() * 11) + 1];
      printf " --set lightDirH=%.1f --set lightDirV=%.1f --set viewDist=%.2f --set defaultMethod=%d\n",
        rand() * 359.9, rand() * 180 - 90, rand() * 3, int(rand() * 3) + 1;
    }
  }'
} | head -n "$count" >"$views"
passed=0 failed=0 i=0
while read -r name depth args; do
  i=$((i + 1))
  # shellcheck disable=SC2086  # the options are words
  "$native" render "$examples/$name.va4" -o "$work/n.bmp" --color-depth "$depth" $args >/dev/null 2>&1
  rn=$?
  # shellcheck disable=SC2086
  node "$web" render "$examples/$name.va4" -o "$work/w.bmp" --color-depth "$depth" $args >/dev/null 2>&1
  rw=$?
  if [ $rn -eq $rw ] && { [ $rn -ne 0 ] || cmp -s "$work/n.bmp" "$work/w.bmp"; }; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "DIFFERENT: view $i: $name $depth $args (exit native $rn, web $rw)"
  fi
  rm -f "$work/n.bmp" "$work/w.bmp"
done <"$views"
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
