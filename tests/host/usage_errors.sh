#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program's command-line mistakes: each names what is wrong on
# its first line, before the usage, and ends with status 2. Without a
# display the program says so in its own words, naming no script of the
# source folder.
# usage: usage_errors.sh VANTOR
set -u
vantor="$1"
failed=0

# expect STATUS FIRST_LINE ARGS...
expect() {
  status="$1"; first="$2"; shift 2
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$vantor" "$@" 2>&1 >/dev/null)
  got=$?
  line=$(printf '%s\n' "$out" | head -n 1)
  if [ "$got" != "$status" ] || [ "$line" != "$first" ]; then
    echo "vantor $*: status $got (want $status), first line: $line"
    echo "  want: $first"
    failed=1
  fi
  case "$status" in
    2) printf '%s\n' "$out" | sed -n 2p | grep -q '^usage: vantor' ||
         { echo "vantor $*: no usage after the message"; failed=1; } ;;
  esac
}

# Usage errors, each named.
expect 2 "vantor: unknown language 'fr' for --lang (ja or en)" --lang fr
expect 2 "vantor: unknown language '' for --lang (ja or en)" --lang ''
expect 2 "vantor: --lang needs a value" --lang
expect 2 "vantor: --color-depth must be a positive number of bits, not '0'" --color-depth 0
expect 2 "vantor: --color-depth needs a value" --color-depth
expect 2 "vantor: unknown option '--frobnicate'" --frobnicate
expect 2 "vantor: only one data set can be loaded at start, not also 'b.va4'" a.va4 b.va4
expect 2 "vantor: --show needs a value" --show

# No display at all.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$vantor" 2>&1)
got=$?
if [ "$got" != 1 ]; then echo "without a display: status $got (want 1)"; failed=1; fi
printf '%s\n' "$out" | head -n 1 | grep -q '^vantor: no graphical display was found' ||
  { echo "without a display: $out"; failed=1; }
if printf '%s\n' "$out" | grep -q 'run\.sh'; then
  echo "without a display, the message names a script of the source folder: $out"; failed=1
fi

[ "$failed" = 0 ] && echo "usage errors named"
exit "$failed"
