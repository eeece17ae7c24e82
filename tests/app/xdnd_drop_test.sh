#!/usr/bin/env bash
# Files dragged from a Linux file manager: an X client drags two files onto the running
# program's list with the XDND protocol, and the program's list then holds them.
# Usage: xdnd_drop_test.sh STRANDEL_EXE LIST_PROBE_EXE   (WINEPREFIX and DISPLAY set by ctest)
set -euo pipefail
exe=$1 probe=$2
here=$(cd "$(dirname "$0")" && pwd)
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
printf one > "$files/first file.txt"
printf two > "$files/second.txt"
rm -f "$WINEPREFIX/drive_c/windows/QZIni.ini"

wine "$exe" & strandel=$!
stop() { wine "$probe" close >/dev/null 2>&1 || true; wait "$strandel" 2>/dev/null || true; }
trap 'stop; rm -rf "$files"' EXIT

read -r x y < <(wine "$probe" point | tr -d '\r')
/usr/bin/python3 "$here/xdnd_source.py" "$x" "$y" "$files/first file.txt" "$files/second.txt"
sleep 0.5

got=$(wine "$probe" entries | tr -d '\r')
want=$(printf 'Z:%s\nZ:%s' "$(echo "$files/first file.txt" | tr / '\\')" "$(echo "$files/second.txt" | tr / '\\')")
if [ "$got" != "$want" ]; then
  printf 'list after the drop:\n%s\nexpected:\n%s\n' "$got" "$want" >&2
  exit 1
fi
echo "xdnd drop: both files in the list"
