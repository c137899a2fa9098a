#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills `vantor-cli convert` at random moments while it saves a 10,000-vertex
# data set over another, then loads the set and counts mixed sets and files
# left behind. Run by hand; prints one summary line.
# usage: scripts/soak-kill-saves.sh VANTOR_CLI [ROUNDS] [WORK_DIR]
set -u
cli="$1"; rounds="${2:-300}"; work="${3:-$(mktemp -d)}"
mkdir -p "$work" && cd "$work" || exit 1

# Two sets of 100 figures of 100 vertices each, different in every vertex.
python3 - <<'EOF'
import struct
for name, scale in (("x", 1.0), ("y", 2.0)):
    with open(name + "-src.va4", "wb") as f:
        for fig in range(1, 101):
            for i in range(100):
                f.write(struct.pack("<ffB3xi", (fig + i) * scale % 300, i * scale % 120, 1 if i < 99 else 0, fig))
EOF
"$cli" convert x-src.va4 x.va4 >/dev/null && "$cli" convert y-src.va4 y.va4 >/dev/null || exit 1

state() {
  for s in x y; do
    cmp -s a.va4 $s.va4 && cmp -s a.zuk $s.zuk && cmp -s a.vop $s.vop && { echo $s; return; }
  done
  echo mixed
}

# How long an undisturbed save takes (the shortest of five), to spread the
# kills over it.
cp x.va4 a.va4; cp x.zuk a.zuk; cp x.vop a.vop
took=999999999
for s in y x y x y; do
  start=$(date +%s%N); "$cli" convert $s.va4 a.va4 >/dev/null; t=$(( ($(date +%s%N) - start) / 1000 ))
  [ $t -lt $took ] && took=$t
done
mixedBefore=0; mixed=0; left=0; repaired=0; killed=0
for ((i = 0; i < rounds; i++)); do
  current=$(state)
  other=$([ "$current" = x ] && echo y || echo x)
  "$cli" convert $other.va4 a.va4 >/dev/null 2>&1 &
  pid=$!
  delay=$(( (RANDOM * 32768 + RANDOM) % took ))
  sleep "$((delay / 1000000)).$(printf %06d $((delay % 1000000)))"
  kill -9 $pid 2>/dev/null && killed=$((killed + 1))
  wait $pid 2>/dev/null
  [ "$(state)" = mixed ] && mixedBefore=$((mixedBefore + 1))
  "$cli" convert a.va4 c.va4 >/dev/null 2>repair.txt
  grep -q "interrupted save" repair.txt && repaired=$((repaired + 1))
  [ "$(state)" = mixed ] && mixed=$((mixed + 1))
  left=$((left + $(ls -A | grep -c -e '^\.vt.*\.tmp$' -e '\.journal$')))
done
echo "rounds $rounds, save ${took} us, kills landed $killed, mixed before the load $mixedBefore," \
     "repaired by the load $repaired, mixed after the load $mixed, temporaries or journals left $left"
