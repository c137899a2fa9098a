#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every section of the manual has its own page that leads to it
# (topics/ID.html, which F1 opens because openers drop a link's #section),
# and no page leads to a section that is gone. Renew the pages with
# scripts/help-topic-pages.py.
# usage: check_topic_pages.sh HELP_DIR
set -u
help="$1"
status=0
for lang in ja en; do
  index="$help/$lang/index.html"
  for id in $(grep -o '<h[1-6][^>]* id="[^"]*"' "$index" | sed 's/.* id="//; s/"$//'); do
    page="$help/$lang/topics/$id.html"
    if [ ! -f "$page" ]; then
      echo "$lang: section $id has no page topics/$id.html"; status=1
    elif ! grep -q "url=../index.html#$id\"" "$page"; then
      echo "$page: does not lead to index.html#$id"; status=1
    fi
  done
  for page in "$help/$lang"/topics/*.html; do
    id=$(basename "$page" .html)
    grep -q " id=\"$id\"" "$index" || { echo "$page: no section $id in index.html"; status=1; }
  done
done
[ "$status" = 0 ] && echo "every section has its page"
exit "$status"
