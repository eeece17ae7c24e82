#!/usr/bin/env bash
# `make run`: builds the Windows program and starts it under Wine (on Windows, run
# build/win/program/strandel.exe directly). Arguments are passed on (a file name: the Send To route).
set -euo pipefail
cd "$(dirname "$0")/.."

set -a
. cmake/wine.env
set +a

cmake --preset win >/dev/null
cmake --build build/win -j "$(nproc)" --target strandel

exe=build/win/program/strandel.exe
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting Strandel on a virtual one (xvfb-run)."
  exec xvfb-run -a wine "$exe" "$@"
fi
exec wine "$exe" "$@"
