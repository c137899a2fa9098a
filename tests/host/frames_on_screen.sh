#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager that frames windows (openbox, in a virtual screen),
# the control window's frame, title bar included, starts at the screen's top
# left, and on a small screen no window's frame leaves the screen.
# usage: frames_on_screen.sh VANTOR EXAMPLES   (run by xvfb-run: see CMakeLists)
set -u
vantor="$1"
examples="$2"
failed=0
screen=$(xwininfo -root | awk '/Width:/{w=$NF}/Height:/{h=$NF}END{print w" "h}')
set -- $screen
width=$1 height=$2

config=$(mktemp -d)
# Starts the window manager and waits until it announces itself on the root
# window; false if it has not within 10 seconds.
start_wm() {
  openbox >>"$config/openbox.log" 2>&1 &
  wm=$!
  for i in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.2
  done
  return 1
}
# A window manager that does not come up on a busy machine is started again:
# the test is about the frames it gives, not about its start.
start_wm || { kill "$wm" 2>/dev/null; start_wm; } || { kill "$wm" 2>/dev/null; start_wm; }
XDG_CONFIG_HOME="$config" "$vantor" --lang en --show DisplayWindow --show EditorWindow --show ScenarioWindow "$examples/vase.va4" >/dev/null 2>&1 &
program=$!
# Every window's frame as the window manager placed it; sets failed.
measure() {
seen=0
failed=0
for id in $(xdotool search --pid "$program" 2>/dev/null); do
  info=$(xwininfo -id "$id")
  echo "$info" | grep -q "Map State: IsViewable" || continue
  # Menus and tooltips place themselves: the window manager never frames them.
  echo "$info" | grep -q "Override Redirect State: yes" && continue
  name=$(xdotool getwindowname "$id")
  geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF}/Absolute upper-left Y/{y=$NF}/Width:/{w=$NF}/Height:/{h=$NF}END{print x" "y" "w" "h}')
  # left, right, top, bottom
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  case "$extents" in
    *[!0-9\ ]*|"") echo "$name: not framed yet"; failed=1; continue ;;
  esac
  set -- $geometry $extents
  x=$1 y=$2 w=$3 h=$4 left=$5 right=$6 top=$7 bottom=$8
  fx=$((x - left)) fy=$((y - top)) fw=$((w + left + right)) fh=$((h + top + bottom))
  echo "$name: frame at $fx,$fy, ${fw}x$fh on ${width}x$height"
  seen=$((seen + 1))
  if [ "$top" = 0 ]; then echo "  no frame: the window manager did not frame it"; failed=1; fi
  if [ "$fx" -lt 0 ] || [ "$fy" -lt 0 ] || [ $((fx + fw)) -gt "$width" ] || [ $((fy + fh)) -gt "$height" ]; then
    echo "  the frame leaves the screen"; failed=1
  fi
  case "$name" in
    FreeVantor*) [ "$fx" = 0 ] && [ "$fy" = 0 ] || { echo "  the control window's frame is not at the top left"; failed=1; } ;;
  esac
done
[ "$seen" -ge 4 ] || { echo "only $seen windows seen"; failed=1; }
}
# The windows are mapped, framed and placed within a few seconds, later on a
# busy machine: look again until all is in place or 30 seconds have passed.
for attempt in $(seq 1 15); do
  sleep 2
  kill -0 "$wm" 2>/dev/null || { echo "openbox ended; starting it again"; start_wm; }
  report=$(measure; echo "failed=$failed")
  case "$report" in *failed=0) break ;; esac
done
echo "$report" | grep -v '^failed='
case "$report" in *failed=0) failed=0 ;; *) failed=1; sed 's/^/openbox: /' "$config/openbox.log" ;; esac
kill "$program" 2>/dev/null
kill "$wm" 2>/dev/null
wait 2>/dev/null
rm -rf "$config"
exit "$failed"
