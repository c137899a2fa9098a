#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each manual shows the interface in its own language: every picture a page
# of the manual shows was made by scripts/screenshots.sh (its folder's
# pictures.txt names it, with the language it was made in), and in the
# language of the page. A Japanese page may show the English interface only
# in a picture named so (NAME-en.png). The lists name no picture that is
# gone, so a renamed picture cannot leave a stale entry behind.
# usage: check_pictures.sh HELP_DIR   (the folder with ja/, en/ and images/)
set -u
help="$1"
status=0

for page in "$help"/ja/index.html "$help"/en/index.html "$help"/*/topics/*.html; do
  [ -f "$page" ] || continue
  dir=$(dirname "$page")
  lang=$(sed -n 's/.*<html lang="\([a-z]*\)".*/\1/p' "$page" | head -1)
  [ -n "$lang" ] || { echo "$page: no <html lang>"; status=1; continue; }
  for src in $(grep -o '<img [^>]*src="[^"]*"' "$page" | sed 's/.*src="//; s/"$//'); do
    file="$dir/$src"
    name=$(basename "$src")
    list="$(dirname "$file")/pictures.txt"
    if [ ! -f "$file" ]; then echo "$page: $src: no such picture"; status=1; continue; fi
    made=$(awk -v n="$name" '$1 == n {print $2}' "$list" 2>/dev/null)
    if [ -z "$made" ]; then
      echo "$page: $src: not made by scripts/screenshots.sh (not in $(basename "$(dirname "$list")")/pictures.txt)"
      status=1; continue
    fi
    wanted=$lang
    case "$lang:$name" in ja:*-en.png) wanted=en ;; esac
    if [ "$made" != "$wanted" ]; then
      echo "$page: $src: shows the $made interface, the page wants $wanted"; status=1
    fi
  done
done

for list in "$help"/images/pictures.txt "$help"/images/*/pictures.txt; do
  [ -f "$list" ] || continue
  while read -r name made; do
    [ -f "$(dirname "$list")/$name" ] || { echo "$list: $name: listed, but no such picture"; status=1; }
    case "$made" in ja|en) ;; *) echo "$list: $name: unknown language '$made'"; status=1 ;; esac
  done < "$list"
done

[ "$status" -eq 0 ] && echo "manual: every picture was made in the language of the page that shows it"
exit $status
