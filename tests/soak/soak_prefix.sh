#!/bin/sh
# The soak's own Wine prefix: made as the tests' prefix is, then with no browser: a page or an
# address the program opens goes to a command that does nothing, so a long session starts none.
set -e
prefix="$1"
here="$(dirname "$0")"
sh "$here/../../scripts/wine-prefix.sh" "$prefix"
set -a
. "$here/../../cmake/wine.env"
set +a
export WINEPREFIX="$prefix"
if [ ! -f "$prefix/.strandel-soak-ready" ]; then
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d true /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.strandel-soak-ready"
fi
