#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every example data set, exported with walls on its open figures as STL and
# as 3MF, is taken by a real slicer: its --info reports one object, manifold,
# and it slices each file, scaled to fit 150 mm, to G-code that holds moves.
# Two figures stacked on each other print as one part, from the bed up. A
# missing slicer fails the test.
# usage: slice_examples.sh VANTOR_CLI EXAMPLES_DIR SLICER WORK_DIR
set -u
cli="$1"; examples="$2"; slicer="$3"; work="$4"
if ! command -v "$slicer" >/dev/null 2>&1; then
  echo "slicer '$slicer' not found: install prusa-slicer (scripts/install-deps.sh does)"
  exit 1
fi
# The slicer's command line needs no display.
run() { "$@"; }
rm -rf "$work"; mkdir -p "$work"
status=0
for data in "$examples"/*.va4; do
  name=$(basename "$data" .va4)
  for ext in stl 3mf; do
    out="$work/$name.$ext"
    # Half size, so that every example fits the slicer's default bed.
    if ! "$cli" export "$data" --thickness 2 --scale 0.5 -o "$out" >/dev/null 2>"$work/$name.$ext.export.log"; then
      echo "$name.$ext: export failed"; cat "$work/$name.$ext.export.log"; status=1; continue
    fi
    info=$(run "$slicer" --info "$out" 2>&1)
    yes=$(echo "$info" | grep -c '^manifold = yes')
    no=$(echo "$info" | grep -c '^manifold = no')
    if [ "$yes" -ne 1 ] || [ "$no" -ne 0 ]; then
      echo "$name.$ext: not one manifold object ($yes yes, $no no)"; echo "$info" | tail -n 20; status=1; continue
    fi
    if ! run "$slicer" --export-gcode --scale-to-fit 150,150,150 "$out" --output "$out.gcode" >"$out.slice.log" 2>&1; then
      echo "$name.$ext: the slicer failed"; tail -n 20 "$out.slice.log"; status=1; continue
    fi
    moves=$(grep -c '^G1 ' "$out.gcode" 2>/dev/null || echo 0)
    echo "$name.$ext: manifold, $moves moves"
    [ "$moves" -gt 0 ] || status=1
  done
done
# A tube 20 high on a wider one 10 high: one part, 30 mm from the bed to the top.
printf '10\n10,0,1\n20,0,1\n20,10,1\n10,10,1\n10,0,0\n12,10,1\n16,10,1\n16,30,1\n12,30,1\n12,10,0\n' >"$work/stacked.van"
for ext in stl 3mf; do
  out="$work/stacked.$ext"
  "$cli" export "$work/stacked.van" -o "$out" >/dev/null 2>&1 || { echo "stacked.$ext: export failed"; status=1; continue; }
  info=$(run "$slicer" --info "$out" 2>&1)
  parts=$(echo "$info" | sed -n 's/^number_of_parts = *//p')
  height=$(echo "$info" | sed -n 's/^size_z = *//p')
  if [ "$parts" != "1" ] || [ "${height%%.*}" != "30" ]; then
    echo "stacked.$ext: $parts parts, $height mm high (want 1 part, 30 mm)"; status=1; continue
  fi
  run "$slicer" --export-gcode "$out" --output "$out.gcode" >"$out.slice.log" 2>&1 || { echo "stacked.$ext: the slicer failed"; status=1; continue; }
  echo "stacked.$ext: one part, 30 mm high"
done
exit $status
