#!/bin/bash
# make soak: the long session (actions and, to replay a run, its seed), in the soak's own prefix
# of the Windows tree; the programs the session launched end with the prefix's server.
set -e
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$build/soakprefix"
sh "$here/soak_prefix.sh" "$prefix"
export WINEPREFIX="$prefix" LC_ALL=C.UTF-8 STRANDEL_SOAK_ACTIONS="${2:-20000}"
if [ -n "$3" ]; then export STRANDEL_SOAK_SEED="$3"; fi
status=0
wine "$build/tests/soak/soak_test.exe" || status=$?
wineserver -k 2>/dev/null || true
exit $status
