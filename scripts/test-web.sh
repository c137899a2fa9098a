#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser version's tests: builds it (scripts/build-web.sh, both builds)
# and vantor-cli for node, compares both with the native vantor-cli given as
# the first argument, and drives the page in Debian's chromium. Prints
# "N passed, M failed" and exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
native="$(realpath "${1:?usage: scripts/test-web.sh NATIVE_VANTOR_CLI}")"
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
passed=0 failed=0
count() {  # the output of a step that ends in "N passed, M failed"
  local line
  line="$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$1" | tail -n1)"
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  passed=$((passed + $(echo "$line" | cut -d' ' -f1)))
  failed=$((failed + $(echo "$line" | cut -d' ' -f3)))
}
mkdir -p build/web-test-logs
logs=build/web-test-logs

echo "== browser build"
if ! scripts/build-web.sh >"$logs/page-build.log" 2>&1; then
  grep -E "error|Error" "$logs/page-build.log" | head -n 40
  echo "0 passed, 1 failed"
  exit 1
fi
# vantor-cli for node from the objects of the page's build (one thread).
cli_js="$PWD/build/web-page/vantor-cli.js"
if ! cmake --build build/web-page -j"$(nproc)" --target vantor-cli >"$logs/cli-build.log" 2>&1; then
  grep -E "error|Error" "$logs/cli-build.log" | head -n 40
  echo "0 passed, 1 failed"
  exit 1
fi

echo "== number texts of the browser build against the native ones"
web/tests/compare-number-texts.sh "$PWD/build/web-test-numbers" | tail -n 25 | tee "$logs/number-texts.log"
count "$logs/number-texts.log"

echo "== vantor-cli under node against the native one"
web/tests/compare-cli.sh "$native" "$cli_js" "$PWD/examples" "$PWD/build/web-test-cli" \
  | tee "$logs/compare-cli.log"
count "$logs/compare-cli.log"
web/tests/compare-views.sh "$native" "$cli_js" "$PWD/examples" "$PWD/build/web-test-views" 60 \
  | tail -n 20 | tee "$logs/compare-views.log"
count "$logs/compare-views.log"
web/tests/compare-commands.sh "$native" "$cli_js" "$PWD/examples" "$PWD/build/web-test-commands" \
  | tee "$logs/compare-commands.log"
count "$logs/compare-commands.log"

echo "== the page in chromium"
(cd web/tests/browser && npm ci --no-audit --no-fund >/dev/null 2>&1) || { echo "npm ci failed"; failed=$((failed + 1)); }
VANTOR_ROOT="$PWD" VANTOR_CLI="$native" node --test --test-concurrency=1 --test-reporter=spec \
  web/tests/browser/page.test.mjs web/tests/browser/threads.test.mjs web/tests/browser/files.test.mjs >"$logs/page.log" 2>&1
rc=$?
grep -E "^ *(✔|✖)|^# |pictures a second|ms" "$logs/page.log" | grep -vE "^\s+at " | head -n 60
pass=$(grep -E "^ℹ pass [0-9]+" "$logs/page.log" | grep -oE "[0-9]+" | tail -n1)
fail=$(grep -E "^ℹ fail [0-9]+" "$logs/page.log" | grep -oE "[0-9]+" | tail -n1)
passed=$((passed + ${pass:-0}))
failed=$((failed + ${fail:-0}))
if [ $rc -ne 0 ] && [ "${fail:-0}" -eq 0 ]; then failed=$((failed + 1)); fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
