#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every command's messages, fed hostile file names and option values, print
# no control character but the line break (no C0, DEL, or C1 as UTF-8 or as
# a lone byte); and a failed write to standard output is an error.
# usage: terminal_bytes.sh VANTOR_CLI EXAMPLES_DIR WORK_DIR
set -u
cli="$1"; examples="$2"; work="$3"
rm -rf "$work"; mkdir -p "$work"; cd "$work" || exit 1
status=0
# ESC ] title BEL, a C1 CSI as UTF-8, a lone CSI byte, a carriage return, DEL.
bad=$(printf 'x\033]0;owned\007\302\2332J\233K\r\177y')
cp "$examples/lamp.va4" good.va4; cp "$examples/lamp.zuk" good.zuk; cp "$examples/lamp.vop" good.vop
cp good.va4 "$bad.va4"; cp good.zuk "$bad.zuk"; cp good.vop "$bad.vop"
printf 'NOT A SCENARIO\r\n' > "$bad.snr"
mkfifo fifo.va4
# One case a line: a name, then the arguments, with B standing for the hostile text.
cases='convert B.va4 out.va4
convert good.va4 B.va4
convert missingB.va4 out.va4
convert good.B out.va4
convert good.va4 out.B
convert fifo.va4 out.va4
options B.vop
options missingB.vop
options new.vop --set B
options new.vop --set zoom=B
options B.vop --set zoom=2
render B.va4 -o B.bmp
render good.va4 -o out.bmp --size B
render good.va4 -o out.bmp --threads B
render good.va4 -o out.bmp --color-depth B
render good.va4 -o out.bmp --options missingB.vop
render good.va4 -o out.bmp --set B
animate B.snr -o out.gif
animate missingB.snr -o out.gif
animate B.snr -o out.gif --delay B
animate good.va4 -o B.B
export B.va4 -o B.stl
export good.va4 -o out.stl --segments B
export good.va4 -o out.B
export good.va4 -o out.stl --scale B
measure B.va4
measure good.va4 --unit B
measure good.va4 --scale B
check B.va4
check good.va4 --nozzle B
B
convert --B'
# Fails when a file holds anything but well-formed UTF-8 without control
# characters, line breaks aside.
clean() {
  perl -e 'local $/; for (@ARGV) { open my $h, "<:raw", $_ or die; my $s = <$h> // "";
           utf8::decode($s) or exit 1; exit 1 if $s =~ /[\x00-\x09\x0b-\x1f\x7f-\x9f]/ }' "$@"
}
while IFS= read -r line; do
  read -r -a words <<< "$line"
  args=()
  for word in "${words[@]}"; do args+=("${word//B/$bad}"); done
  for lang in C.UTF-8 ja_JP.UTF-8; do
    LC_ALL=$lang "$cli" "${args[@]}" >out.txt 2>err.txt
    if ! clean out.txt err.txt; then
      echo "a control byte printed ($lang) for: vantor-cli $line"; LC_ALL=C od -c err.txt | head -4; status=1
    fi
  done
done <<< "$cases"

# A full standard output: a message and a non-zero exit, for every kind of output.
for command in "options good.vop" "--help" "--version" "measure good.va4" "convert good.va4 full.va4"; do
  # shellcheck disable=SC2086
  "$cli" $command >/dev/full 2>err.txt
  rc=$?
  if [ $rc = 0 ] || ! grep -q "standard output: No space left on device" err.txt; then
    echo "a full standard output went unreported: vantor-cli $command (exit $rc)"; status=1
  fi
done
[ $status = 0 ] && echo "no control byte printed; a full standard output fails"
exit $status
