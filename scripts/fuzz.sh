#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz/ with clang and runs each for a while:
#
#   scripts/fuzz.sh            20 seconds per target (what the test command runs)
#   scripts/fuzz.sh 600        a longer run, 10 minutes per target
#
# Each target starts from its committed seeds (tests/fuzz/corpus/<target>/) and from what
# earlier runs kept (<build>/corpus/<target>/). A crash, a sanitizer report or a broken
# rule is a find: its input is saved under <build>/finds/ and the script fails; rerun it
# with `<build>/<target> <file>`. The build folder is build/fuzz unless
# VELLUMRY_FUZZ_BUILD names another.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=${VELLUMRY_FUZZ_BUILD:-build/fuzz}
targets=(ini_file_fuzz text_rules_fuzz text_end_fuzz)

cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 >"$build/build.log" 2>&1 || { cat "$build/build.log"; exit 1; }

finds=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  log=$build/$target.log
  mkdir -p "$corpus" "$build/finds"
  status=0
  "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/finds/$target-" "$corpus" "tests/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if ((status == 0)); then
    echo "$target: ${executions:-?} executions in $seconds s, no finds"
  else
    echo "$target: FIND after ${executions:-?} executions (whole log: $log)"
    grep -E -A 12 '^(rule broken|==[0-9]+==ERROR|SUMMARY)' "$log" | head -n 40 || true
    grep -E '^artifact_prefix|Test unit written to' "$log" || true
    finds=$((finds + 1))
  fi
done
((finds == 0)) || { echo "fuzzing: $finds target(s) found faults"; exit 1; }
