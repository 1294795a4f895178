#!/usr/bin/env bash
# Runs a libFuzzer target for its bounded time, prints the coverage it
# reached and fails when that stays under FLOOR edges: a fuzzer whose code
# under test lacks coverage instrumentation sees only a few dozen.
#   run-fuzzer.sh FLOOR FUZZER [libFuzzer arguments...]
set -uo pipefail
floor=$1
fuzzer=$2
shift 2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$fuzzer" -print_final_stats=1 "$@" >"$log" 2>&1
status=$?
if [ $status -ne 0 ]; then
  tail -n 60 "$log"
  echo "$(basename "$fuzzer"): failed with status $status"
  exit $status
fi
cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -n 1 | grep -oE '[0-9]+')
runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
echo "$(basename "$fuzzer"): ${cov:-0} edges covered in ${runs:-?} runs (floor $floor)"
if [ "${cov:-0}" -lt "$floor" ]; then
  echo "$(basename "$fuzzer"): coverage under the floor: is the code under test instrumented?"
  exit 1
fi
