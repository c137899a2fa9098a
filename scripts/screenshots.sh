#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews the manual's screenshots from the program itself: starts vantor on a
# virtual screen (Xvfb) under a window manager (openbox), so that every
# picture shows the window's frame and title bar as a user sees them, drives
# it with xdotool as a user would (buttons, menus, keys, the mouse over the
# sheet), and cuts each window, frame included, out of the screen.
#
# usage: scripts/screenshots.sh [--lang ja|en] [BUILD_DIR]
#   BUILD_DIR holds qt/vantor and cli/vantor-cli (default: build/release,
#   as ./run.sh builds it). Installs Xvfb, openbox, xdotool, ImageMagick and
#   optipng when missing.
#   ja (the default) takes the Japanese manual's pictures (docs/help/images),
#   en the English manual's (docs/help/images/en) from the English interface.
#   Each folder's pictures.txt names every picture made there and the
#   language of the interface it shows; a test holds the manuals to it.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
lang=ja
if [ "${1:-}" = "--lang" ]; then lang="$2"; shift 2; fi
case "$lang" in ja|en) ;; *) echo "unknown language '$lang' (ja or en)" >&2; exit 2 ;; esac
build=${1:-build/release}
vantor="$repo/$build/qt/vantor"
cli="$repo/$build/cli/vantor-cli"
[ "${build#/}" != "$build" ] && vantor="$build/qt/vantor" && cli="$build/cli/vantor-cli"
images="$repo/docs/help/images"
# The windows' titles, the place of the display's option menu and the key
# of its File menu, as each language shows them.
if [ "$lang" = en ]; then
  images="$images/en"
  control_title='FreeVantor for Win32'
  editor_title='Profile Editor \(vase\)'
  glass_editor_title='Profile Editor \(wineglass\)'
  display_title='Solid Display \(vase\)'
  scenario_title='Animation'
  export_title='Export the Solid for 3D Printing'
  options_x=225
  display_file_key=f
else
  control_title='FreeVantor for Win32'
  editor_title='回転前図形編集 \(vase\)'
  glass_editor_title='回転前図形編集 \(wineglass\)'
  display_title='回転体表示 \(vase\)'
  scenario_title='アニメ編集'
  export_title='立体の書き出し（3Dプリント用）'
  options_x=300
  display_file_key=g
fi

for program in "$vantor" "$cli"; do
  [ -x "$program" ] || { echo "$program not found: build first (./run.sh) or name the build folder" >&2; exit 1; }
done

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v openbox >/dev/null || missing+=(openbox)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v xwininfo >/dev/null || missing+=(x11-utils)
import -version 2>/dev/null | grep -q ImageMagick || missing+=(imagemagick)
command -v optipng >/dev/null || missing+=(optipng)
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
vantor_pid=""
cleanup() {
  [ -n "$vantor_pid" ] && kill "$vantor_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual screen of a common laptop's size.
display=""
for n in $(seq 91 120); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1 && { display=":$n"; break; }
    sleep 0.1
  done
  [ -n "$display" ] && break
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$display" ] || { echo "no virtual screen could be started" >&2; exit 1; }
export DISPLAY="$display"
# No user settings (a standard option file, a language chosen in the menu)
# may change the pictures; the window manager reads no user theme either.
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" LANG=C.UTF-8
mkdir -p "$HOME"
unset LC_ALL LC_MESSAGES

openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.2
done

# The data sets and a few animation frames the windows show.
data="$work/data"
mkdir -p "$data"
cp "$repo"/examples/vase.* "$repo"/examples/wineglass.* "$data/"
(
  cd "$data"
  n=1
  for tilt in 0 30 60 90; do
    "$cli" render vase.va4 -o "$(printf 'vase%03d.bmp' $n)" --set inclin=$tilt >/dev/null
    n=$((n + 1))
  done
  printf 'vase001\nvase002\nvase003\nvase004\n' > vase.snr
)

# Starts vantor in the data folder, in the language asked for (the
# arguments may name another).
start_vantor() {
  (cd "$data" && exec "$vantor" --lang "$lang" "$@" >/dev/null 2>&1) &
  vantor_pid=$!
}

finish_vantor() {
  kill "$vantor_pid" 2>/dev/null || true
  wait "$vantor_pid" 2>/dev/null || true
  vantor_pid=""
}

# The id of the shown window of that title (a pattern), once it is shown.
window_id() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "window '$1' did not appear" >&2; return 1; }
  echo "$id"
}

# The window that has the keyboard, once it is not the one named (a dialog
# or message box that has just opened in front of it).
window_after() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool getactivewindow 2>/dev/null) && [ -n "$id" ] && [ "$id" != "$1" ] && break
    id=""
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no new window took the keyboard" >&2; return 1; }
  echo "$id"
}

# The client area of that window on the screen: "X Y WIDTH HEIGHT".
client_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF}/Absolute upper-left Y/{y=$NF}/Width:/{w=$NF}/Height:/{h=$NF}END{print x" "y" "w" "h}'
}

# The window's frame, title bar included: "X Y WIDTH HEIGHT".
frame_of() {
  local x y w h left right top bottom
  read -r x y w h < <(client_of "$1")
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0}))"
}

# A click at DX, DY inside the client area of that window.
click_in() {
  local x y w h
  read -r x y w h < <(client_of "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}

# Every picture made, with the language of the interface it shows.
made() {  # IMAGE LANGUAGE
  optipng -quiet -o2 "$images/$1" 2>/dev/null || true
  printf '%s %s\n' "$1" "$2" >> "$work/pictures.txt"
  echo "${images#"$repo"/}/$1"
}

# Cuts X Y WIDTH HEIGHT out of the screen (the X server's own picture).
cut_screen() {  # IMAGE X Y WIDTH HEIGHT
  import -window root -crop "$4x$5+$2+$3" +repage "PNG24:$images/$1"
}

# The window of that id in front, cut out with its frame, the pointer
# moved off it first.
shoot() {  # ID IMAGE [LANGUAGE]
  local fx fy fw fh
  xdotool windowraise "$1" 2>/dev/null || true
  xdotool mousemove 1279 799
  sleep 0.6
  read -r fx fy fw fh < <(frame_of "$1")
  cut_screen "$2" "$fx" "$fy" "$fw" "$fh"
  made "$2" "${3:-$lang}"
}

mkdir -p "$images"

# 1. The control window, the editor with the status line, the display
#    window, then the display's option menu open.
start_vantor vase.va4
control=$(window_id "$control_title")
sleep 1.5  # the data set is read
click_in "$control" 74 40  # 回転前図形編集
editor=$(window_id "$editor_title")
click_in "$control" 93 40  # 回転体表示
display=$(window_id "$display_title")
sleep 2  # the solid is drawn
shoot "$control" control.png
shoot "$display" display.png
# The status line follows the mouse over the sheet.
xdotool windowraise "$editor"
read -r ex ey _ _ < <(client_of "$editor")
xdotool mousemove $((ex + 150)) $((ey + 200))
sleep 0.2
xdotool mousemove $((ex + 152)) $((ey + 205))
sleep 0.5
read -r fx fy fw fh < <(frame_of "$editor")
cut_screen editor.png "$fx" "$fy" "$fw" "$fh"
made editor.png "$lang"
xdotool windowraise "$display"
sleep 0.3
click_in "$display" "$options_x" 7  # the option menu
sleep 1
xdotool mousemove 1279 799
sleep 0.5
read -r fx fy fw fh < <(frame_of "$display")
cut_screen options-menu.png "$fx" "$fy" 545 360
made options-menu.png "$lang"
xdotool key Escape
sleep 0.3

# 2. The export dialog from the display's File menu, for a 3MF file with
#    2 mm walls for the vase's open figures.
xdotool windowactivate --sync "$display" 2>/dev/null || true
xdotool key "alt+$display_file_key"
sleep 0.5
xdotool key m
dialog=$(window_id "$export_title")
sleep 0.5
click_in "$dialog" 220 22  # 3MF
click_in "$dialog" 260 114  # the wall of open figures
xdotool key ctrl+a
xdotool type --delay 20 2
sleep 1  # the preview is measured
shoot "$dialog" export-dialog.png
xdotool key Escape
finish_vantor

# 3. The Japanese manual's picture of the English interface.
if [ "$lang" = ja ]; then
  start_vantor --lang en vase.va4
  control=$(window_id "$control_title")
  sleep 1.5
  click_in "$control" 93 40
  display=$(window_id 'Solid Display \(vase\)')
  sleep 2
  shoot "$display" display-en.png en
  finish_vantor
fi

# 4. The dialogs, each shown on its own in front of the control window.
for pair in LightDirectionDialog:light-simple.png LightAnglesDialog:light-angles.png \
            ShiftPictureDialog:scroll.png FigurePropertiesDialog:figure-property.png AboutBox:about.png; do
  start_vantor --show "${pair%%:*}"
  control=$(window_id "$control_title")
  dialog=$(window_after "$control")
  sleep 1
  shoot "$dialog" "${pair#*:}"
  finish_vantor
done

# 5. The scenario editor with a scenario read, a frame picked in the folder
#    list; then its playback.
start_vantor --show ScenarioWindow
scenario=$(window_id "$scenario_title")
click_in "$scenario" 144 20  # シナリオ読込
sleep 1.5
xdotool type --delay 20 vase.snr
xdotool key Return
sleep 1
# A frame of the folder list shows its small picture; the first click after
# the file dialog may only bring the window back to the front.
for _ in 1 2; do
  click_in "$scenario" 260 112
  sleep 0.7
done
shoot "$scenario" scenario.png
click_in "$scenario" 50 412  # 再生
playback=$(window_after "$scenario")
sleep 2
shoot "$playback" playback.png
finish_vantor

# 6. The wine glass checked for printing: the list of findings, then the
#    marks it leaves on the sheet.
start_vantor --show EditorWindow wineglass.va4
editor=$(window_id "$glass_editor_title")
sleep 1.5
xdotool windowactivate --sync "$editor" 2>/dev/null || true
xdotool key alt+p
sleep 0.5
xdotool key c
message=$(window_after "$editor")
sleep 1
shoot "$message" print-check-list.png
xdotool key Return
sleep 1
shoot "$editor" print-check.png
finish_vantor

# 7. The display window enlarged by the user: the picture fills the window,
#    1000 wide and 650 high under the menu bar and the tool bar.
start_vantor vase.va4
control=$(window_id "$control_title")
sleep 1.5
click_in "$control" 93 40
display=$(window_id "$display_title")
sleep 1
read -r _ _ _ dh < <(client_of "$display")
xdotool windowmove "$display" 0 0
xdotool windowsize "$display" 1000 $((dh - 400 + 650))
sleep 3  # the solid is drawn anew at the new size
shoot "$display" display-enlarged.png
finish_vantor

sort "$work/pictures.txt" > "$images/pictures.txt"
echo "${images#"$repo"/}/pictures.txt"
