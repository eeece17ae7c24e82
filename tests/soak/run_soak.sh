#!/bin/bash
# make soak: the long session (actions and, to replay a run, its seed), in a prefix of its own in
# the Windows tree (the short round of the test suite has another); the programs the session
# launched end with the prefix's server.
set -e
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$build/soakprefix-long"
sh "$here/soak_prefix.sh" "$prefix"
# Copies of the two programs run: a build made meanwhile does not write over them.
run="$build/soak-long"
mkdir -p "$run"
cp "$build/tests/soak/soak_test.exe" "$build/program/strandel.exe" "$run/"
export WINEPREFIX="$prefix" LC_ALL=C.UTF-8 STRANDEL_SOAK_ACTIONS="${2:-20000}" STRANDEL_SOAK_PROGRAM="$run/strandel.exe"
if [ -n "$3" ]; then export STRANDEL_SOAK_SEED="$3"; fi
status=0
wine "$run/soak_test.exe" || status=$?
wineserver -k 2>/dev/null || true
exit $status
