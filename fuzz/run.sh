#!/usr/bin/env bash
# Runs the fuzz targets one after the other: first every kept regression input once,
# then SECONDS of fuzzing from the seed corpus (new inputs go to the build tree, not
# here). Prints the executions of each target; fails when any target fails.
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$build/work
targets=(profile list_file value_encoding make_relative line_builder template_file gen_arguments)

# The targets that write files run several times faster in memory.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

total=0
failed=()
for t in "${targets[@]}"; do
  bin=$build/fuzz/fuzz_$t
  log=$work/$t.log
  mkdir -p "$work/corpus/$t" "$work/artifacts/$t"

  regressions=("$here/regressions/$t"/*)
  if [ -e "${regressions[0]}" ] && ! "$bin" "${regressions[@]}" > "$log" 2>&1; then
    echo "fuzz: $t fails on a kept regression input:"
    grep -E '^(Running|\*\*\*|    (got|expected))|ERROR' "$log" | tail -n 8
    failed+=("$t")
    continue
  fi

  dict=()
  if [ -f "$here/dict/$t.dict" ]; then dict=(-dict="$here/dict/$t.dict"); fi
  if "$bin" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/$t/" "${dict[@]}" "$work/corpus/$t" "$here/corpus/$t" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    printf '%-16s %12d executions\n' "$t" "$runs"
    total=$((total + runs))
  else
    echo "fuzz: $t FAILED; the input is kept in $work/artifacts/$t/ (log: $log)"
    grep -E '^(\*\*\*|    (got|expected))|ERROR|SUMMARY' "$log" | tail -n 8
    failed+=("$t")
  fi
done
printf '%-16s %12d executions\n' total "$total"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]}"
  exit 1
fi
