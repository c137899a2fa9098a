#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build's vantor-cli (run by node) against the native one: the
# five examples at both colour depths, and a few other views, give the same
# bytes. Usage: compare-cli.sh NATIVE_CLI WEB_CLI_JS EXAMPLES_DIR WORK_DIR
# Prints "N passed, M failed" and exits non-zero on any difference.
set -uo pipefail
native="$1" web="$2" examples="$3" work="$4"
mkdir -p "$work"
passed=0 failed=0
compare() {  # name, then the render arguments after DATA -o OUT
  local name="$1" data="$2"; shift 2
  "$native" render "$data" -o "$work/$name.native.png" "$@" >/dev/null 2>&1
  local rn=$?
  node "$web" render "$data" -o "$work/$name.web.png" "$@" >/dev/null 2>&1
  local rw=$?
  if [ $rn -eq 0 ] && [ $rw -eq 0 ] && cmp -s "$work/$name.native.png" "$work/$name.web.png"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "DIFFERENT: $name (exit native $rn, web $rw)"
  fi
}
for data in "$examples"/*.va4; do
  name="$(basename "$data" .va4)"
  compare "$name-32" "$data"
  compare "$name-8" "$data" --color-depth 8
done
# Views that take other paths through the drawing: from above, wire and mesh,
# a fine unit angle, a tilted picture.
compare vase-above "$examples/vase.va4" --set viewHeight=85
compare vase-wire "$examples/vase.va4" --set defaultMethod=1
compare vase-mesh-8 "$examples/vase.va4" --set defaultMethod=3 --color-depth 8
compare lamp-unit1 "$examples/lamp.va4" --set unitAngle=1
compare torus-inclined "$examples/torus.va4" --set inclin=30
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
