#!/usr/bin/env bash
# Runs the window benchmark under Wine on a virtual display, in a prefix of its own.
# Usage: bench/win/run_window_bench.sh WIN_BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
. "$(dirname "$0")/../../scripts/use-wine-prefix.sh" "$build/bench-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
# strandel-gen.exe by its name on Wine's Z: drive (winepath would start Wine without the display).
gen="Z:$(echo "$build/cli/strandel-gen.exe" | tr / '\\')"
# A tree of 100,000 files in 1,000 folders for Add folder contents.
tree=$(mktemp -d /tmp/strandel-add-bench.XXXXXX)
trap 'rm -rf "$tree"; wineserver -k 2>/dev/null || true' EXIT
python3 "$(dirname "$0")/../make_scan_tree.py" "$tree"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$build/bench/window_bench.exe" "$gen" "Z:$(echo "$tree" | tr / '\\')" | tr -d '\r'
