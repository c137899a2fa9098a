#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews the manual's screenshots (docs/help/images/*.png) from the program
# itself: starts vantor on a virtual screen (Xvfb), drives it with xdotool
# as a user would (buttons, menus, the mouse over the sheet), and keeps the
# pictures that vantor saves of its windows (--screenshot-dir). An open menu
# is not part of a window's picture, so that one is cut from the virtual
# screen instead.
#
# usage: scripts/screenshots.sh [--lang en] [BUILD_DIR]
#   BUILD_DIR holds qt/vantor and cli/vantor-cli (default: build/release,
#   as ./run.sh builds it). Installs Xvfb and xdotool when missing.
#   --lang en takes the English manual's pictures (docs/help/images/en)
#   from the English interface.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
lang=ja
if [ "${1:-}" = "--lang" ]; then lang="$2"; shift 2; fi
build=${1:-build/release}
vantor="$repo/$build/qt/vantor"
cli="$repo/$build/cli/vantor-cli"
[ "${build#/}" != "$build" ] && vantor="$build/qt/vantor" && cli="$build/cli/vantor-cli"
images="$repo/docs/help/images"
# The windows' titles and the display's option menu, as each language shows them.
if [ "$lang" = en ]; then
  images="$images/en"
  editor_title='Profile Editor \(vase\)'
  display_title='Solid Display \(vase\)'
  scenario_title='Animation'
  options_x=225
else
  editor_title='回転前図形編集 \(vase\)'
  display_title='回転体表示 \(vase\)'
  scenario_title='アニメ編集'
  options_x=300
fi

for program in "$vantor" "$cli"; do
  [ -x "$program" ] || { echo "$program not found: build first (./run.sh) or name the build folder" >&2; exit 1; }
done

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v python3 >/dev/null || missing+=(python3)
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

work=$(mktemp -d)
xvfb_pid=""
vantor_pid=""
cleanup() {
  [ -n "$vantor_pid" ] && kill "$vantor_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual screen whose frame buffer is readable as a file.
mkdir -p "$work/fb"
display=""
for n in $(seq 91 120); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -fbdir "$work/fb" -nolisten tcp >/dev/null 2>&1 &
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
# No user settings (a standard option file) may change the pictures.
export XDG_CONFIG_HOME="$work/config" LANG=C.UTF-8
unset LC_ALL LC_MESSAGES

# The data sets and a few animation frames the windows show.
data="$work/data"
mkdir -p "$data"
cp "$repo"/examples/vase.* "$data/"
(
  cd "$data"
  n=1
  for tilt in 0 30 60 90; do
    "$cli" render vase.va4 -o "$(printf 'vase%03d.bmp' $n)" --set inclin=$tilt >/dev/null
    n=$((n + 1))
  done
  printf 'vase001\nvase002\nvase003\nvase004\n' > vase.snr
)

# Starts vantor in the data folder; it saves its visible windows into
# $work/shots after DELAY ms and quits, in the language asked for (the
# arguments may name another).
start_vantor() {
  local delay="$1"; shift
  rm -rf "$work/shots"
  (cd "$data" && exec "$vantor" --lang "$lang" --screenshot-dir "$work/shots" --screenshot-delay "$delay" "$@" >/dev/null 2>&1) &
  vantor_pid=$!
}

finish_vantor() {
  wait "$vantor_pid" || true
  vantor_pid=""
}

# The window of that title, once it is shown: "X Y WIDTH HEIGHT".
window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "window '$1' did not appear" >&2; return 1; }
  xdotool getwindowgeometry --shell "$id" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ {printf "%s ", $2} END {print ""}'
}

# A click at DX, DY inside the window of that title.
click_in() {
  local x y w h
  read -r x y w h < <(window "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}

# Cuts X0 Y0 X1 Y1 out of the virtual screen into a PNG file.
# The X server's own picture (ImageMagick's import) where it is installed:
# the frame-buffer file can lag behind an open menu.
cut_screen() {
  if import -version 2>/dev/null | grep -q ImageMagick; then
    import -window root -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$1" && return 0
  fi
  python3 - "$work/fb/Xvfb_screen0" "$@" <<'EOF'
import struct, sys, zlib
src, dst = sys.argv[1], sys.argv[2]
x0, y0, x1, y1 = (int(v) for v in sys.argv[3:7])
data = open(src, 'rb').read()
h = struct.unpack('>25I', data[:100])
header_size, width, height, byte_order, bpp, bpl, ncolors = h[0], h[4], h[5], h[7], h[11], h[12], h[19]
x1, y1 = min(x1, width), min(y1, height)
offset = header_size + ncolors * 12
step = bpp // 8
rows = []
for y in range(y0, y1):
    line = data[offset + y * bpl:offset + (y + 1) * bpl]
    row = bytearray(b'\0')
    for x in range(x0, x1):
        p = line[x * step:(x + 1) * step]
        row += bytes((p[2], p[1], p[0])) if byte_order == 0 else bytes((p[-3], p[-2], p[-1]))
    rows.append(bytes(row))
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', x1 - x0, y1 - y0, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b'')
open(dst, 'wb').write(png)
EOF
}

keep() {  # keep WINDOW-NAME as IMAGE
  cp "$work/shots/$1.png" "$images/$2"
  echo "${images#"$repo"/}/$2"
}

mkdir -p "$images"

# 1. The control window, editor with the status line, display window
#    with its option menu open.
start_vantor 9000 vase.va4
window 'FreeVantor for Win32' >/dev/null
sleep 1.5  # the data set is read
click_in 'FreeVantor for Win32' 74 40  # 回転前図形編集
window "$editor_title" >/dev/null
click_in 'FreeVantor for Win32' 93 40  # 回転体表示
read -r dx dy dw dh < <(window "$display_title")
sleep 2  # the solid is drawn
read -r ex ey ew eh < <(window "$editor_title")
# The status line follows the mouse over the sheet.
xdotool mousemove $((ex + 150)) $((ey + 200))
sleep 0.2
xdotool mousemove $((ex + 152)) $((ey + 205))
sleep 0.5
xdotool mousemove $((dx + options_x)) $((dy + 7)) click 1  # the option menu
sleep 1
# The pointer off the picture before the screen is cut.
xdotool mousemove 1270 790
sleep 0.5
cut_screen "$images/options-menu.png" "$dx" "$dy" $((dx + 540)) $((dy + 335))
echo "${images#"$repo"/}/options-menu.png"
xdotool key Escape  # the menu closes before vantor saves its windows and quits
finish_vantor
keep ControlWindow control.png
keep EditorWindow editor.png
keep DisplayWindow display.png

# 2. The Japanese manual's picture of the English interface.
if [ "$lang" = ja ]; then
start_vantor 6000 --lang en vase.va4
window 'FreeVantor for Win32' >/dev/null
sleep 1.5
click_in 'FreeVantor for Win32' 93 40
window 'Solid Display \(vase\)' >/dev/null
finish_vantor
keep DisplayWindow display-en.png
fi

# 3. The dialogs, each shown on its own.
start_vantor 3000 --show LightDirectionDialog --show LightAnglesDialog --show ShiftPictureDialog --show FigurePropertiesDialog --show AboutBox
finish_vantor
keep LightDirectionDialog light-simple.png
keep LightAnglesDialog light-angles.png
keep ShiftPictureDialog scroll.png
keep FigurePropertiesDialog figure-property.png
keep AboutBox about.png

# 4. The scenario editor with a scenario read, a frame picked in the folder list.
start_vantor 7000 --show ScenarioWindow
read -r ax ay aw ah < <(window "$scenario_title")
xdotool mousemove $((ax + 144)) $((ay + 20)) click 1  # シナリオ読込
sleep 1.5
xdotool type --delay 20 vase.snr
xdotool key Return
sleep 1
# A frame of the folder list shows its small picture; the first click after
# the file dialog may only bring the window back to the front.
for _ in 1 2; do
  xdotool mousemove $((ax + 260)) $((ay + 112)) click 1
  sleep 0.7
done
finish_vantor
keep ScenarioWindow scenario.png

# 5. The display window enlarged by the user: the picture fills the window.
start_vantor 8000 vase.va4
window 'FreeVantor for Win32' >/dev/null
sleep 1.5
click_in 'FreeVantor for Win32' 93 40
window "$display_title" >/dev/null
sleep 1
display_id=$(xdotool search --onlyvisible --name "^$display_title\$" | tail -1)
# 1000 wide, and the menu bar above a picture of 650 rows.
menu_height=$(($(xdotool getwindowgeometry --shell "$display_id" | awk -F= '/^HEIGHT=/ {print $2}') - 425))
xdotool windowsize "$display_id" 1000 $((menu_height + 25 + 650))
finish_vantor
keep DisplayWindow display-enlarged.png
