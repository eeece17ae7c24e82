#!/usr/bin/env bash
# Runs the caption-fit test at 96, 120, 144 and 192 dots per inch: a prefix of its own (made
# once per build tree) whose LogPixels is set before each run.
# Usage: caption_fit_test.sh CAPTION_FIT_TEST_EXE PREFIX   (DISPLAY and the Wine settings from ctest)
set -euo pipefail
exe=$1
export WINEPREFIX=$2
sh "$(dirname "$0")/../../scripts/wine-prefix.sh" "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
failed=0
for dpi in 96 120 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  echo "== $dpi DPI"
  STRANDEL_EXPECTED_DPI=$dpi wine "$exe" || failed=1
done
exit $failed
