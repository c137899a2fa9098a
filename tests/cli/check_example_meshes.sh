#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every example data set, exported with walls on its open figures, passes
# the distribution's mesh checker with no open edge: every facet has all
# three neighbours and no facet had to be reversed.
# usage: check_example_meshes.sh VANTOR_CLI EXAMPLES_DIR ADMESH WORK_DIR
set -u
cli="$1"; examples="$2"; admesh="$3"; work="$4"
mkdir -p "$work"
status=0
for data in "$examples"/*.va4; do
  name=$(basename "$data" .va4)
  "$cli" export "$data" --thickness 1 -o "$work/$name.stl" >/dev/null 2>&1 || { echo "$name: export failed"; status=1; continue; }
  report=$("$admesh" "$work/$name.stl" 2>&1)
  disconnected=$(echo "$report" | sed -n 's/^Total disconnected facets *: *\([0-9]*\).*/\1/p')
  backwards=$(echo "$report" | sed -n 's/^Backwards edges *: *\([0-9]*\).*/\1/p')
  reversed=$(echo "$report" | sed -n 's/^Facets reversed *: *\([0-9]*\).*/\1/p')
  echo "$name: disconnected facets ${disconnected:-?}, backwards edges ${backwards:-?}, facets reversed ${reversed:-?}"
  [ "$disconnected" = "0" ] && [ "$backwards" = "0" ] && [ "$reversed" = "0" ] || status=1
done
exit $status
