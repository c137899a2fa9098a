#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The other commands of the browser build's vantor-cli against the native
# ones: the same exit code, the same printed text and the same file bytes.
# Usage: compare-commands.sh NATIVE_CLI WEB_CLI_JS EXAMPLES_DIR WORK_DIR
set -uo pipefail
native="$1" web="$2" examples="$3" work="$4"
rm -rf "$work"; mkdir -p "$work/native" "$work/web"
passed=0 failed=0
# name, output file name (or -), then the arguments with OUT for the output.
compare() {
  local name="$1" out="$2"; shift 2
  local args_n=() args_w=()
  for a in "$@"; do args_n+=("${a//OUT/$work/native/$out}"); args_w+=("${a//OUT/$work/web/$out}"); done
  (cd "$work/native" && "$native" "${args_n[@]}" >stdout 2>stderr; echo $? >rc)
  (cd "$work/web" && node "$web" "${args_w[@]}" >stdout 2>stderr; echo $? >rc)
  sed -i "s#$work/native#W#g" "$work/native/stdout" "$work/native/stderr"
  sed -i "s#$work/web#W#g" "$work/web/stdout" "$work/web/stderr"
  local same=1
  for f in rc stdout stderr; do cmp -s "$work/native/$f" "$work/web/$f" || same=0; done
  if [ "$out" != "-" ]; then
    if [ "${ZIP:-0}" = 1 ]; then
      # A zip package's entries carry the time they were written: their
      # names and contents are compared.
      python3 - "$work/native/$out" "$work/web/$out" <<'PY' || same=0
import sys, zipfile
entries = [[(i.filename, z.read(i)) for i in z.infolist()] for z in map(zipfile.ZipFile, sys.argv[1:3])]
sys.exit(entries[0] != entries[1])
PY
    elif [ "${LOOSE:-0}" = 1 ]; then
      # Same kind of file, bytes not compared (see the quantized GIF below).
      [ "$(head -c 6 "$work/native/$out")" = "$(head -c 6 "$work/web/$out")" ] || same=0
    else
      cmp -s "$work/native/$out" "$work/web/$out" || same=0
    fi
  fi
  if [ $same -eq 1 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "DIFFERENT: $name"; fi
}
e="$examples"
compare convert-va2 p.va2 convert "$e/pawn.va4" OUT
compare convert-csv p.csv convert "$e/pawn.va4" OUT
compare convert-van p.van convert "$e/pawn.va4" OUT
compare convert-va4 p.va4 convert "$e/pawn.va4" OUT
compare options-print - options "$e/vase.vop"
compare options-set o.vop options OUT --set zoom=2.25 --set viewHeight=-30
compare export-stl v.stl export "$e/vase.va4" -o OUT --thickness 1.5
compare export-open-refused - export "$e/vase.va4" -o "$work/open.stl"
compare export-obj v.obj export "$e/wineglass.va4" -o OUT --segments 48 --allow-open
compare export-ply v.ply export "$e/lamp.va4" -o OUT --angle 270 --thickness 2
compare export-3mf-refused - export "$e/vase.va4" -o "$work/x.3mf"
ZIP=1 compare export-3mf v.3mf export "$e/vase.va4" -o OUT --thickness 1.5 --segments 48
ZIP=1 compare export-3mf-per-figure p.3mf export "$e/lamp.va4" -o OUT --thickness 2 --per-figure
compare measure - measure "$e/torus.va4" --unit mm --scale 0.5
compare check - check "$e/wineglass.va4" --nozzle 0.4
# A true-colour GIF's palette comes from libimagequant, whose native build
# rounds with SSE and whose wasm build without: its last bits may differ, so
# only the exit code, the text and the kind of file are compared.
LOOSE=1 compare animate-gif s.gif animate "$e/pawn.va4" --simulation -o OUT --size 120x80
compare animate-gif-8 s8.gif animate "$e/pawn.va4" --simulation -o OUT --size 120x80 --color-depth 8
compare animate-png s.png animate "$e/torus.va4" --simulation -o OUT --size 120x80
compare render-bmp r.bmp render "$e/lamp.va4" -o OUT --size 300x200
compare render-missing - render "$e/none.va4" -o "$work/n.png"
compare bad-option - render "$e/vase.va4" -o "$work/n.png" --set zoom=abc
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
