#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The number texts of the browser build against the native ones: builds
# number_texts.cpp natively and with em++ (with the compatibility header the
# browser build uses), runs both and compares line by line.
# Usage: compare-number-texts.sh WORK_DIR. Prints "N passed, M failed".
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$1"
mkdir -p "$work"
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
g++ -std=c++20 -O2 -Wall -Wextra "$here/number_texts.cpp" -o "$work/number_texts" || { echo "0 passed, 1 failed"; exit 1; }
em++ -std=c++20 -O2 -Wall -Wextra -include "$here/../compat/LibcxxCompat.h" "$here/number_texts.cpp" \
  -sENVIRONMENT=node --pre-js "$here/../node-pre.js" -o "$work/number_texts.js" || { echo "0 passed, 1 failed"; exit 1; }
"$work/number_texts" >"$work/native.txt"
node "$work/number_texts.js" >"$work/web.txt"
total=$(wc -l <"$work/native.txt")
differ=$(diff "$work/native.txt" "$work/web.txt" | grep -c '^<' || true)
if [ "$differ" -gt 0 ]; then
  echo "lines that differ (native, then browser):"
  diff "$work/native.txt" "$work/web.txt" | head -n 20
fi
if [ "$(wc -l <"$work/web.txt")" -ne "$total" ]; then differ=$((differ + 1)); fi
echo "$((total - differ)) passed, $differ failed"
[ "$differ" -eq 0 ]
