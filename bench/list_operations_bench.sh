#!/usr/bin/env bash
# The list operations at scale, natively and under Wine in the same run: a tree of 100,000 files in
# 1,000 folders scanned by both builds, against find natively and cmd's dir /s /b under Wine.
# Usage: bench/list_operations_bench.sh NATIVE_BENCH_EXE WIN_BUILD_DIR
set -euo pipefail
native=$(realpath "$1")
build=$(realpath "$2")
tree=$(mktemp -d /tmp/strandel-scan-bench.XXXXXX)
trap 'rm -rf "$tree"' EXIT
python3 "$(dirname "$0")/make_scan_tree.py" "$tree"
echo "== native"
"$native" "$tree"
start=$(date +%s%N); find "$tree" -type f | wc -l >/dev/null; end=$(date +%s%N)
echo "find $tree -type f: $(( (end - start) / 1000000 )) ms"
echo "== under Wine"
. "$(dirname "$0")/../scripts/use-wine-prefix.sh" "$build/bench-prefix"
wine "$build/bench/list_operations_bench.exe" "Z:$(echo "$tree" | tr / '\\')" | tr -d '\r'
wineserver -k 2>/dev/null || true
