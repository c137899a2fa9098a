#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves against each other, against failures and against interrupts:
#  - two saves of one set, the first held up inside its commit by strace, end
#    with one whole set and no leftovers;
#  - a set whose third file is immutable is not saved, says which file, and
#    stays whole and loadable;
#  - SIGINT, SIGTERM and SIGHUP during a save leave the old set, no temporary,
#    no journal, and the signal's exit status;
#  - a temporary left by a SIGKILLed single-file write is removed by the next
#    program that writes in that folder;
#  - a FIFO named as the data set, or beside it, is refused with its reason.
# usage: saves_side_by_side.sh VANTOR_CLI EXAMPLES_DIR STRACE WORK_DIR
set -u
# The leak checker of a sanitizer build cannot run under strace; the other
# tests look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
cli="$1"; examples="$2"; strace="$3"; work="$4"
rm -rf "$work"; mkdir -p "$work"; cd "$work" || exit 1
status=0
fail() { echo "FAIL: $*"; status=1; }
"$cli" convert "$examples/lamp.va4" old.va4 >/dev/null && "$cli" convert "$examples/pawn.va4" new.va4 >/dev/null &&
  "$cli" convert "$examples/torus.va4" third.va4 >/dev/null || { echo "setup failed"; exit 1; }
for s in pawn torus; do for e in va4 zuk vop; do cp "$examples/$s.$e" .; done; done
state() {
  for s in old new third; do
    cmp -s a.va4 $s.va4 && cmp -s a.zuk $s.zuk && cmp -s a.vop $s.vop && { echo $s; return; }
  done
  echo mixed
}
oldSet() { cp old.va4 a.va4; cp old.zuk a.zuk; cp old.vop a.vop; }
leftovers() { ls -A | grep -c -e '^\.vt.*\.tmp$' -e '\.journal$'; }

# Two saves: the first waits 1.5 s before each rename, the second starts in that wait.
for call in rename:1 rename:2 rename:3 fsync:3; do
  oldSet
  "$strace" -f -o /dev/null -e trace="${call%%:*}" -e inject="${call%%:*}:delay_enter=1500000:when=${call##*:}" \
    "$cli" convert pawn.va4 a.va4 >/dev/null 2>first.txt &
  first=$!
  sleep 0.5
  "$cli" convert torus.va4 a.va4 >/dev/null 2>second.txt; second=$?
  wait $first; firstStatus=$?
  now=$(state)
  echo "two saves, the first held at $call: exits $firstStatus and $second, set $now, $(leftovers) leftovers"
  [ $firstStatus = 0 ] && [ $second = 0 ] && [ "$now" = third ] && [ "$(leftovers)" = 0 ] ||
    fail "two saves at $call: $(cat first.txt second.txt)"
  grep -q "interrupted save" first.txt second.txt && fail "a live save was taken for an interrupted one"
done

# A load during a held-up save waits for it and reads the whole new set.
oldSet
"$strace" -f -o /dev/null -e trace=rename -e inject=rename:delay_enter=1000000:when=2 \
  "$cli" convert pawn.va4 a.va4 >/dev/null 2>&1 &
first=$!
sleep 0.5
"$cli" convert a.va4 copy.va4 >/dev/null 2>load.txt || fail "the load beside a save failed: $(cat load.txt)"
wait $first
cmp -s copy.zuk new.zuk && cmp -s copy.vop new.vop || fail "the load beside a save did not read the whole new set"
grep -q "interrupted save" load.txt && fail "the load took a live save for an interrupted one"

# The third file immutable.
oldSet
if chattr +i a.vop 2>/dev/null; then
  "$cli" convert pawn.va4 a.va4 >/dev/null 2>immutable.txt; rc=$?
  chattr -i a.vop
  echo "immutable a.vop: exit $rc, set $(state), $(leftovers) leftovers; $(cat immutable.txt)"
  [ $rc != 0 ] && grep -q "a.vop" immutable.txt && [ "$(state)" = old ] && [ "$(leftovers)" = 0 ] ||
    fail "immutable third file"
  "$cli" convert a.va4 c.va4 >/dev/null 2>&1 || fail "the set was not loadable after the failed save"
else
  echo "immutable a.vop: skipped, chattr +i is not available here"
fi

# Interrupts during a save, held up before its commit.
for sig in INT TERM HUP; do
  oldSet
  env --default-signal="$sig" "$strace" -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=2000000:when=3 \
    "$cli" convert pawn.va4 a.va4 >/dev/null 2>&1 &
  tracer=$!
  sleep 0.7
  kill -"$sig" "$(pgrep -P $tracer)"
  wait $tracer; rc=$?
  expected=$((128 + $(kill -l "$sig")))
  echo "SIG$sig during a save: exit $rc, set $(state), $(leftovers) leftovers"
  [ $rc = $expected ] && [ "$(state)" = old ] && [ "$(leftovers)" = 0 ] || fail "SIG$sig during a save"
done

# A SIGKILLed single-file write; the next write in the folder removes its temporary.
"$strace" -o /dev/null -e trace=fsync -e inject=fsync:signal=SIGKILL:when=1 \
  "$cli" options killed.vop --set zoom=2 >/dev/null 2>&1
before=$(leftovers)
sleep 1.2
"$cli" options other.vop --set zoom=2 >/dev/null 2>&1
echo "SIGKILL of a single-file write: $before temporary, $(leftovers) after the next write there"
[ "$before" = 1 ] && [ "$(leftovers)" = 0 ] || fail "stale temporary"

# FIFOs where files are read: named as the data set, and beside it.
mkfifo pipe.va4 f.zuk
cp old.va4 f.va4
"$cli" convert pipe.va4 out.va4 >/dev/null 2>fifo.txt
grep -q "pipe.va4: not a regular file" fifo.txt || fail "a FIFO given as input: $(cat fifo.txt)"
"$cli" convert f.va4 out.va4 >/dev/null 2>fifo.txt && fail "a FIFO beside the data set was ignored"
grep -q "f.zuk" fifo.txt || fail "a FIFO beside the data set: $(cat fifo.txt)"
exit $status
