#!/usr/bin/env bash
# Remakes the screenshots in docs/screenshots/: Strandel under Wine on a virtual display. Files
# reach it the way a Linux file manager drops them (an X drag source); a small tour program
# moves the pointer, takes the pictures and answers what Strandel asks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
# The browser that renders the image page for its picture; only this script needs it.
command -v chromium >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -q chromium; }
cmake --preset win >/dev/null
cmake --build build/win -j "$(nproc)" --target strandel screen_tour

prefix="$PWD/build/win/screens-prefix"
. scripts/use-wine-prefix.sh "$prefix"
shots=$(mktemp -d)
trap 'rm -rf "$shots"; wineserver -k 2>/dev/null || true' EXIT

# The first start: no settings file, the window as a newcomer first sees it.
rm -f "$prefix/drive_c/windows/QZIni.ini"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  tour() { wine build/win/tools/screen_tour.exe "$@" | tr -d "\r"; }
  wine build/win/program/strandel.exe & strandel=$!
  tour place
  tour shot "$(winepath -w "$1/first-start.bmp")"
  tour close
  wait $strandel' tour "$shots"

# The settings the pictures show: an HTML list in relative mode.
printf '[Strandel]\r\nFileOutput=C:\\Web\\index.htm\r\nCheckIndex=1\r\nInvertSlash=1\r\nHeader=<<LI><A HREF=">\r\nQueue=<">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\nMainHead=<<UL>#QZ_BR#>\r\nMainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\nUseTip=1\r\n' \
  > "$prefix/drive_c/windows/QZIni.ini"
# The files dropped: on drive C: of the prefix, so Strandel sees C:\Web\...
c="$prefix/drive_c"
mkdir -p "$c/Web/img" "$c/Docs" "$c/Music"
for f in Web/img/cat.gif Web/img/dog.jpg Web/about.htm Docs/notes.txt Music/song.mp3 Web/gallery.htm; do
  : > "$c/$f"
done
# Pictures beside the program, so the image page (made in the program's folder) shows them.
pics="$PWD/build/win/program/pictures"
mkdir -p "$pics"
convert -size 200x150 plasma:tomato-gold "$pics/sunset.jpg"
convert -size 200x150 plasma:skyblue-seagreen "$pics/Lake.GIF"
convert -size 150x200 gradient:orchid-navy "$pics/dusk.bmp"
printf 'not a picture' > "$pics/notes.txt"
trap 'rm -rf "$shots" "$pics"; wineserver -k 2>/dev/null || true' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  c=$1 shots=$2
  tour() { wine build/win/tools/screen_tour.exe "$@" | tr -d "\r"; }
  drop() { # control id, files: dropped on the middle of that control
    local id=$1; shift
    read -r x y < <(tour point "$id")
    /usr/bin/python3 tests/app/xdnd_source.py "$x" "$y" "$@"
  }
  wine build/win/program/strandel.exe & strandel=$!
  tour place
  drop 101 "$c/Web/img/cat.gif" "$c/Web/img/dog.jpg" "$c/Web/about.htm" "$c/Docs/notes.txt" "$c/Music/song.mp3"
  tour shot "$(winepath -w "$shots/filled-list.bmp")"
  # A file held over the list: the mark where it will go, and what the drop will do.
  held=$(mktemp -u)
  read -r x y < <(tour point 101)
  /usr/bin/python3 tests/app/xdnd_source.py --hold "$held" "$x" "$y" "$c/Web/gallery.htm" & dragging=$!
  while [ ! -e "$held" ]; do sleep 0.1; done
  tour pause 300
  tour shot "$(winepath -w "$shots/drop-description.bmp")"
  rm -f "$held"
  wait $dragging
  tour preview "$(winepath -w "$shots/preview.bmp")"
  tour hover "$(winepath -w "$shots/hover-hint.bmp")"
  tour zoomed "$(winepath -w "$shots/zoomed.bmp")"
  tour list-menu "$(winepath -w "$shots/list-menu.bmp")"
  drop 115 "$c/Web/gallery.htm"
  tour shot "$(winepath -w "$shots/drop-question.bmp")"
  tour answer 7
  drop 123 "$c/Web/img/cat.gif"
  tour shot "$(winepath -w "$shots/autodrag-menu.bmp")"
  tour key 27
  tour menu 1
  tour shot "$(winepath -w "$shots/templates-menu.bmp")"
  tour key 27
  tour key 27
  tour command 1014
  tour shot "$(winepath -w "$shots/options-sheet.bmp")"
  tour answer 2
  tour command 3209
  tour add-folder "Z:\\usr"
  tour shot "$(winepath -w "$shots/add-folder.bmp")"
  tour answer 1
  tour pause 900
  tour shot "$(winepath -w "$shots/progress.bmp")"
  tour answer 2
  tour command 1003
  drop 101 "$3/sunset.jpg" "$3/Lake.GIF" "$3/dusk.bmp" "$3/notes.txt"
  tour command 1015
  tour close
  wait $strandel' tour "$c" "$shots" "$pics"

# The image page as a browser shows it.
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$shots/browser" --hide-scrollbars \
  --window-size=640,800 --screenshot="$shots/image-page.png" "file://$PWD/build/win/program/dragtmp.htm" 2>/dev/null
convert "$shots/image-page.png" "$shots/image-page.bmp"

# The same window on a screen of 192 dots per inch (Wine's LogPixels), with files in the list.
dpi="$PWD/build/win/dpi-prefix"
sh scripts/wine-prefix.sh "$dpi"
WINEPREFIX="$dpi" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
WINEPREFIX="$dpi" wineserver -w
cp "$prefix/drive_c/windows/QZIni.ini" "$dpi/drive_c/windows/QZIni.ini"
WINEPREFIX="$dpi" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -e
  shots=$1 pics=$2
  tour() { wine build/win/tools/screen_tour.exe "$@" | tr -d "\r"; }
  wine build/win/program/strandel.exe & strandel=$!
  tour place
  read -r x y < <(tour point 101)
  /usr/bin/python3 tests/app/xdnd_source.py "$x" "$y" "$pics/sunset.jpg" "$pics/Lake.GIF" "$pics/dusk.bmp"
  tour shot "$(winepath -w "$shots/dpi-192.bmp")"
  tour close
  wait $strandel' dpi "$shots" "$pics"
WINEPREFIX="$dpi" wineserver -k 2>/dev/null || true

mkdir -p docs/screenshots
for shot in first-start filled-list drop-description preview hover-hint zoomed list-menu drop-question autodrag-menu templates-menu options-sheet add-folder progress image-page dpi-192; do
  convert "$shots/$shot.bmp" -trim +repage -bordercolor black -border 8 "docs/screenshots/$shot.png"
done
echo "docs/screenshots: $(ls docs/screenshots | tr '\n' ' ')"
