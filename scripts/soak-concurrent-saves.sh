#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two saves of one 10,000-vertex data set at once, plus a load of it, round
# after round: counts the sets left mixed, the loads that read a mixed set,
# the "interrupted save" messages (nothing is interrupted here, so each one
# is wrong), the saves refused as busy, other failures and files left behind.
# Run by hand; prints one summary line.
# usage: scripts/soak-concurrent-saves.sh VANTOR_CLI [ROUNDS] [WORK_DIR]
set -u
cli="$1"; rounds="${2:-300}"; work="${3:-$(mktemp -d)}"
mkdir -p "$work" && cd "$work" || exit 1

# Two sets of 100 figures of 100 vertices each, different in every vertex.
python3 - <<'PY'
import struct
for name, scale in (("x", 1.0), ("y", 2.0)):
    with open(name + "-src.va4", "wb") as f:
        for fig in range(1, 101):
            for i in range(100):
                f.write(struct.pack("<ffB3xi", (fig + i) * scale % 300, i * scale % 120, 1 if i < 99 else 0, fig))
PY
"$cli" convert x-src.va4 x.va4 >/dev/null && "$cli" convert y-src.va4 y.va4 >/dev/null || exit 1
# The options differ too, so that a set mixed in its .vop shows.
"$cli" options y.vop --set zoom=3 >/dev/null || exit 1

# "x", "y" or "mixed" for the set named by $1 (default a).
state() {
  local s n="${1:-a}"
  for s in x y; do
    cmp -s $n.va4 $s.va4 && cmp -s $n.zuk $s.zuk && cmp -s $n.vop $s.vop && { echo $s; return; }
  done
  echo mixed
}
cp x.va4 a.va4; cp x.zuk a.zuk; cp x.vop a.vop
mixed=0; mixedLoads=0; wrong=0; busy=0; failed=0; left=0
for ((i = 0; i < rounds; i++)); do
  "$cli" convert x.va4 a.va4 >/dev/null 2>s1.txt & p1=$!
  "$cli" convert y.va4 a.va4 >/dev/null 2>s2.txt & p2=$!
  "$cli" convert a.va4 l.va4 >/dev/null 2>load.txt & p3=$!
  wait $p1; r1=$?; wait $p2; r2=$?; wait $p3; r3=$?
  [ "$(state)" = mixed ] && mixed=$((mixed + 1))
  # The load read a whole set when what it wrote is one (its .vop is the one it read).
  [ $r3 = 0 ] && [ "$(state l)" = mixed ] && mixedLoads=$((mixedLoads + 1))
  wrong=$((wrong + $(cat s1.txt s2.txt load.txt | grep -c "interrupted save")))
  busy=$((busy + $(cat s1.txt s2.txt load.txt | grep -c "being saved by another program")))
  for r in $r1 $r2 $r3; do [ $r != 0 ] && failed=$((failed + 1)); done
  left=$((left + $(ls -A | grep -c -e '^\.vt.*\.tmp$' -e '\.journal$')))
done
echo "rounds $rounds of two saves and a load: mixed sets $mixed, loads of a mixed set $mixedLoads," \
     "wrong \"interrupted save\" messages $wrong, busy refusals $busy, failed commands $failed," \
     "temporaries or journals left $left"
