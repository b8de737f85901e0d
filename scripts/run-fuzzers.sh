#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its committed seeds, keeping
# what it finds in the build folder, and prints executions and coverage.
#   run-fuzzers.sh <fuzz build folder> <seconds per target>
set -euo pipefail
build=$1
seconds=$2
seeds=$(cd "$(dirname "$0")/../fuzz/corpus" && pwd)
status=0
for target in "$build"/fuzz/fuzz_*; do
  name=$(basename "$target")
  work="$build/corpus/$name"
  mkdir -p "$work"
  log="$build/$name.log"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
       -artifact_prefix="$build/$name-" "$work" "$seeds/$name" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || echo 'cov: ?')
    echo "$name: no finding in ${seconds}s, $runs executions, $coverage"
  else
    echo "$name: FINDING (see $log)"
    tail -n 30 "$log"
    status=1
  fi
done
exit $status
