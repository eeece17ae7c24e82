#!/bin/sh
# Makes the private Wine prefix the tests run in, once per build tree.
set -e
prefix="$1"
set -a
. "$(dirname "$0")/../cmake/wine.env"
set +a
export WINEPREFIX="$prefix"
# Wine's processes left from a run on another display would answer for this one: they end first.
wineserver -k 2>/dev/null || true
if [ ! -f "$prefix/.strandel-ready" ]; then
  wineboot -i >/dev/null 2>&1
  # No window manager runs on the tests' virtual display: Wine draws the frames itself
  # instead of waiting for one at every window shown or hidden.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # Nothing of the prefix goes into the desktop's own menus and folders.
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.strandel-ready"
fi
