#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for a fixed time and prints what it reached: the
# coverage (edges and features) and the executions, so a target that no
# longer sees the code shows at once. Usage:
#   run_fuzz.sh FUZZER SECONDS SUMMARY_FILE CORPUS_DIR_OR_FLAG...
# (libFuzzer flags such as -max_len=N may stand among the folders.)
fuzzer="$1"; seconds="$2"; summary="$3"; shift 3
name="$(basename "$fuzzer")"
log="${summary%.summary}.log"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 "$@" >"$log" 2>&1
rc=$?
last="$(grep -E '^#[0-9]+' "$log" | tail -n 1)"
cov="$(echo "$last" | sed -nE 's/.* cov: ([0-9]+).*/\1/p')"
ft="$(echo "$last" | sed -nE 's/.* ft: ([0-9]+).*/\1/p')"
corp="$(echo "$last" | sed -nE 's/.* corp: ([0-9]+).*/\1/p')"
runs="$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n 1)"
line="$name: coverage ${cov:-?} edges, ${ft:-?} features, corpus ${corp:-?}, ${runs:-?} executions in ${seconds} s"
[ $rc -eq 0 ] || line="$line -- FAILED (exit $rc), see $log"
echo "$line" | tee "$summary"
[ $rc -eq 0 ] || tail -n 60 "$log"
exit $rc
