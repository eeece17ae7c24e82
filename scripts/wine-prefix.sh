#!/bin/sh
# Makes the private Wine prefix the tests run in, once per build tree.
set -e
prefix="$1"
set -a
. "$(dirname "$0")/../cmake/wine.env"
set +a
export WINEPREFIX="$prefix"
# Wine copies its own DLLs and programs into every prefix (some 600 MB); where a copy is the
# same as Wine's file it becomes a link to it, so each prefix of a build tree costs tens of MB.
# Wine reads them only, and loads its builtin in their place.
link_wine_builtins() {
  for arch in x86_64 i386; do
    case $arch in x86_64) sub=system32 ;; i386) sub=syswow64 ;; esac
    [ -d "$1/drive_c/windows/$sub" ] || continue
    for lib in /usr/lib/x86_64-linux-gnu/wine /usr/lib/i386-linux-gnu/wine /usr/lib/wine /usr/lib64/wine; do
      own="$lib/$arch-windows"
      [ -d "$own" ] || continue
      find "$1/drive_c/windows/$sub" -type f | while read -r copy; do
        name=${copy##*/}
        if [ -f "$own/$name" ] && cmp -s "$copy" "$own/$name"; then
          ln -sf "$own/$name" "$copy"
        fi
      done
    done
  done
}

# Wine's processes left from a run on another display would answer for this one: they end first.
wineserver -k 2>/dev/null || true
# A prefix made by another Wine is made again rather than updated: the update would write its
# DLLs through the links into Wine's own files. The prefixes are the build tree's, nothing of
# the user's is in them.
wine_version=$(wine --version 2>/dev/null || echo unknown)
if [ -f "$prefix/.strandel-ready" ] && [ "$(cat "$prefix/.strandel-ready")" != "$wine_version" ]; then
  rm -rf "$prefix"
fi
if [ ! -f "$prefix/.strandel-ready" ]; then
  wineboot -i >/dev/null 2>&1
  # No window manager runs on the tests' virtual display: Wine draws the frames itself
  # instead of waiting for one at every window shown or hidden.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # Nothing of the prefix goes into the desktop's own menus and folders.
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null 2>&1
  wineserver -w
  link_wine_builtins "$prefix"
  # Wine draws the caption buttons, menu check marks and scroll arrows in its Marlett font, which
  # this Wine does not find by itself: without it they show as letters ("0 1 r").
  for font in /usr/share/wine/fonts/marlett.ttf; do
    [ -f "$font" ] && ln -sf "$font" "$prefix/drive_c/windows/Fonts/"
  done
  echo "$wine_version" > "$prefix/.strandel-ready"
fi
