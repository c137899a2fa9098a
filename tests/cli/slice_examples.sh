#!/bin/sh
# Every example data set, exported with walls on its open figures as STL and
# as 3MF, is taken by a real slicer: its --info reports every object
# manifold, and it slices each file to G-code that holds moves. A missing
# slicer fails the test.
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
    if [ "$yes" -eq 0 ] || [ "$no" -ne 0 ]; then
      echo "$name.$ext: not manifold ($yes yes, $no no)"; echo "$info" | tail -n 20; status=1; continue
    fi
    if ! run "$slicer" --export-gcode "$out" --output "$out.gcode" >"$out.slice.log" 2>&1; then
      echo "$name.$ext: the slicer failed"; tail -n 20 "$out.slice.log"; status=1; continue
    fi
    moves=$(grep -c '^G1 ' "$out.gcode" 2>/dev/null || echo 0)
    echo "$name.$ext: manifold, $moves moves"
    [ "$moves" -gt 0 ] || status=1
  done
done
exit $status
