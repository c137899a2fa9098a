#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A real kill of `vantor-cli convert` at each rename and each flush of a set
# save over an existing set: the next load finds the whole old set or the
# whole new one, and no temporary file or journal survives it.
# usage: kill_during_convert.sh VANTOR_CLI EXAMPLES_DIR STRACE WORK_DIR
set -u
cli="$1"; examples="$2"; strace="$3"; work="$4"
status=0
same() { cmp -s "$1" "$2"; }
# "old", "new" or "mixed" for the set a.* against the old and the new set as convert writes them.
state() {
  if same a.va4 old.va4 && same a.zuk old.zuk && same a.vop old.vop; then echo old
  elif same a.va4 new.va4 && same a.zuk new.zuk && same a.vop new.vop; then echo new
  else echo mixed; fi
}
for call in rename:1 rename:2 rename:3 fsync:1 fsync:2 fsync:3 fsync:4 fsync:5 fsync:6 fsync:7 fsync:8 fsync:9 unlink:1; do
  dir="$work/${call%%:*}-${call##*:}"
  rm -rf "$dir"; mkdir -p "$dir"; cd "$dir" || exit 1
  # The sets as convert writes them, to compare against.
  "$cli" convert "$examples/lamp.va4" old.va4 >/dev/null 2>&1 || { echo "$call: setup failed"; exit 1; }
  "$cli" convert "$examples/pawn.va4" new.va4 >/dev/null 2>&1 || { echo "$call: setup failed"; exit 1; }
  cp old.va4 a.va4; cp old.zuk a.zuk; cp old.vop a.vop
  cp "$examples/pawn.va4" b.va4; cp "$examples/pawn.zuk" b.zuk; cp "$examples/pawn.vop" b.vop
  "$strace" -f -o /dev/null -e trace="${call%%:*}" -e inject="${call%%:*}:signal=SIGKILL:when=${call##*:}" \
    "$cli" convert b.va4 a.va4 >/dev/null 2>&1
  before=$(state)
  "$cli" convert a.va4 c.va4 >/dev/null 2>repair.txt || { echo "$call: the load after the kill failed"; status=1; }
  after=$(state)
  left=$(ls -A | grep -c -e '^\.vt.*\.tmp$' -e '\.journal$')
  echo "$call: before the load $before, after it $after, $left leftovers; $(cat repair.txt)"
  [ "$after" != mixed ] && [ "$left" = 0 ] || status=1
  cd "$work" || exit 1
done
exit $status
