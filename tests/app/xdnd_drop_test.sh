#!/usr/bin/env bash
# Files dragged from a Linux file manager: an X client drags three files (one named in three
# scripts) onto the running program's list with the XDND protocol, and the program's list then
# holds them; the names the program copies reach the X clipboard as they are. Wine hands the drag
# to the program's OLE drop target: two files over the Auto Drag button are refused while
# dragging, which only that target can say (a WM_DROPFILES window takes any drop anywhere).
# Usage: xdnd_drop_test.sh STRANDEL_EXE LIST_PROBE_EXE   (WINEPREFIX and DISPLAY set by ctest)
set -euo pipefail
exe=$1 probe=$2
here=$(cd "$(dirname "$0")" && pwd)
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
printf one > "$files/first file.txt"
printf two > "$files/second.txt"
printf three > "$files/报告 Ωμέγα 😀.txt"
# A first start, but closing with the dropped files asks nothing.
printf '[Strandel]\r\nAskSaveList=0\r\n' > "$WINEPREFIX/drive_c/windows/QZIni.ini"

wine "$exe" & strandel=$!
stop() { wine "$probe" close >/dev/null 2>&1 || true; wait "$strandel" 2>/dev/null || true; }
trap 'stop; rm -rf "$files"' EXIT

read -r x y < <(wine "$probe" point | tr -d '\r')
/usr/bin/python3 "$here/xdnd_source.py" "$x" "$y" "$files/first file.txt" "$files/second.txt" "$files/报告 Ωμέγα 😀.txt"
sleep 0.5
read -r ax ay < <(wine "$probe" autodrag | tr -d '\r')
/usr/bin/python3 "$here/xdnd_source.py" --refused "$ax" "$ay" "$files/first file.txt" "$files/second.txt"

got=$(wine "$probe" entries | tr -d '\r')
windows() { echo "Z:$1" | tr / '\\'; }
want=$(printf '%s\n%s\n%s' "$(windows "$files/first file.txt")" "$(windows "$files/second.txt")" "$(windows "$files/报告 Ωμέγα 😀.txt")")
if [ "$got" != "$want" ]; then
  printf 'list after the drop:\n%s\nexpected:\n%s\n' "$got" "$want" >&2
  exit 1
fi
# The last entry copied is on the X clipboard too, every character of its name as it is.
clip=$(xclip -o -selection clipboard)
if [ "$clip" != "$(windows "$files/报告 Ωμέγα 😀.txt")" ]; then
  printf 'X clipboard: %s\n' "$clip" >&2
  exit 1
fi
echo "xdnd drop: the three files in the list through the OLE target, the last one's name on the X clipboard"
