#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual's pages link only to what exists: every href and src names a
# file of the manual, every #section a section of the page it points to,
# and both languages hold the same sections, so that a link or F1 topic
# that works in one language works in the other.
# usage: check_manual.sh HELP_DIR   (the folder with ja/ and en/)
set -u
help="$1"
status=0

ids() { grep -o ' id="[^"]*"' "$1" | sed 's/^ id="//; s/"$//' | sort; }

for page in "$help"/ja/index.html "$help"/en/index.html; do
  dir=$(dirname "$page")
  [ -f "$page" ] || { echo "$page: missing"; status=1; continue; }
  dup=$(ids "$page" | uniq -d)
  [ -z "$dup" ] || { echo "$page: sections named twice: $dup"; status=1; }
  for link in $(grep -o '\(href\|src\)="[^"]*"' "$page" | sed 's/^[a-z]*="//; s/"$//'); do
    case "$link" in
      http:*|https:*|mailto:*) continue ;;
    esac
    file=${link%%#*}
    target="$page"
    [ -n "$file" ] && target="$dir/$file"
    if [ ! -f "$target" ]; then
      echo "$page: $link: no such file"; status=1; continue
    fi
    case "$link" in
      *#*)
        section=${link#*#}
        ids "$target" | grep -qx "$section" || { echo "$page: $link: no such section"; status=1; } ;;
    esac
  done
done

work=$(mktemp -d)
ids "$help/ja/index.html" > "$work/ja"
ids "$help/en/index.html" > "$work/en"
if ! cmp -s "$work/ja" "$work/en"; then
  echo "sections only in ja/index.html: $(comm -23 "$work/ja" "$work/en" | tr '\n' ' ')"
  echo "sections only in en/index.html: $(comm -13 "$work/ja" "$work/en" | tr '\n' ' ')"
  status=1
fi
rm -rf "$work"
[ "$status" -eq 0 ] && echo "manual: every link resolves, both languages hold the same sections"
exit $status
