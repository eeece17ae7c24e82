#!/usr/bin/env bash
# Remakes the screenshots in docs/screenshots/: Strandel under Wine on a virtual display, and a
# tour that rests the pointer on the file list, enlarges the window and right-clicks the list.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/win -j "$(nproc)" --target strandel screen_tour

prefix="$PWD/build/win/screens-prefix"
sh scripts/wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shots=$(mktemp -d)
trap 'rm -rf "$shots"; wineserver -k 2>/dev/null || true' EXIT

# The settings the pictures show: an HTML list in relative mode.
printf '[Strandel]\r\nFileOutput=C:\\Web\\index.htm\r\nCheckIndex=1\r\nInvertSlash=1\r\nHeader=<<LI><A HREF=">\r\nQueue=<">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\nMainHead=<<UL>#QZ_BR#>\r\nMainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\nUseTip=1\r\n' \
  > "$prefix/drive_c/windows/QZIni.ini"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine build/win/app/strandel.exe & strandel=$!
  wine build/win/tools/screen_tour.exe "$(winepath -w "$1")"; status=$?
  wait $strandel
  exit $status' tour "$shots"

mkdir -p docs/screenshots
for shot in hover-hint zoomed list-menu; do
  convert "$shots/$shot.bmp" -trim +repage -bordercolor black -border 8 "docs/screenshots/$shot.png"
done
echo "docs/screenshots: $(ls docs/screenshots | tr '\n' ' ')"
