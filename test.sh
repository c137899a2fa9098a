#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds FreeVantor three ways (normal; address and
# undefined-behaviour sanitizers; libFuzzer targets with clang) and runs every
# test with ctest. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
install_deps test || exit 1

jobs="$(nproc)"
status=0
export QT_QPA_PLATFORM=offscreen

build() {  # dir, cmake args...
  local dir="$1"; shift
  mkdir -p "$dir"
  cmake -S . -B "$dir" "$@" >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; return 1; }
  if ! cmake --build "$dir" -j"$jobs" >"$dir/build.log" 2>&1; then
    grep -E "error|Error" "$dir/build.log" | head -n 40
    return 1
  fi
  grep -E "warning:" "$dir/build.log" | head -n 20
  return 0
}
mkdir -p build

echo "== normal build"
build build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_BENCH=ON || status=1
echo "== sanitizer build (address, undefined)"
build build/asan -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON || status=1
echo "== fuzz build (clang, libFuzzer)"
CC=clang CXX=clang++ build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_SANITIZE=ON -DVANTOR_FUZZ=ON \
  -DVANTOR_GUI=OFF -DVANTOR_TESTS=OFF || status=1

total_pass=0
total_fail=0
summary=()
run_ctest() {  # dir, label
  echo "== tests: $2"
  local out rc line failed all
  out="$(cd "$1" && ctest --output-on-failure -j"$jobs" 2>&1)"
  rc=$?
  echo "$out" | grep -vE "^ +(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#)" | tail -n 60
  line="$(echo "$out" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n1)"
  if [ -n "$line" ]; then
    failed=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    all=$(echo "$line" | sed -E 's/.*failed out of ([0-9]+).*/\1/')
    total_pass=$((total_pass + all - failed)); total_fail=$((total_fail + failed))
  elif [ $rc -ne 0 ]; then
    total_fail=$((total_fail + 1))
  fi
  summary+=("$2: ${line:-no tests ran}")
  return $rc
}
run_ctest build/test "normal build" || status=1
run_ctest build/asan "sanitizer build" || status=1
run_ctest build/fuzz "fuzz targets" || status=1
echo "== tests: browser version"
web_out="$(scripts/test-web.sh build/test/cli/vantor-cli 2>&1)"
web_rc=$?
echo "$web_out" | tail -n 60
web_line="$(echo "$web_out" | grep -E '^[0-9]+ passed, [0-9]+ failed' | tail -n1)"
if [ -n "$web_line" ]; then
  total_pass=$((total_pass + $(echo "$web_line" | cut -d' ' -f1)))
  total_fail=$((total_fail + $(echo "$web_line" | cut -d' ' -f3)))
elif [ $web_rc -ne 0 ]; then
  total_fail=$((total_fail + 1))
fi
summary+=("browser version: ${web_line:-no tests ran}")
[ $web_rc -eq 0 ] || status=1
echo "== fuzz coverage (edges and features reached in the core library)"
cat build/fuzz/fuzz/*.summary 2>/dev/null || echo "no fuzz target ran"

echo
echo "== ctest summary"
for s in "${summary[@]}"; do echo "$s"; done
if [ $status -ne 0 ] && [ $total_fail -eq 0 ]; then total_fail=1; fi
echo "$total_pass passed, $total_fail failed"
exit $status
