#!/usr/bin/env bash
# `make run`: builds the Windows program and starts it under Wine (on Windows, run
# build/win/app/strandel.exe directly). Without the program yet, shows strandel-gen at work.
set -euo pipefail
cd "$(dirname "$0")/.."

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/win -j "$(nproc)"

exe=build/win/app/strandel.exe
if [ -f "$exe" ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting Strandel on a virtual one (xvfb-run)."
    exec xvfb-run -a wine "$exe" "$@"
  fi
  exec wine "$exe" "$@"
fi

echo "strandel-gen on samples/sample.lst with the template samples/HtmlList.hqd:"
echo
wine build/win/cli/strandel-gen.exe -t samples/HtmlList.hqd samples/sample.lst | tr -d '\r'
