#!/usr/bin/env bash
# Makes the two packages of a Strandel release in OUT_DIR, replacing any earlier ones there:
#   Strandel-VERSION-win64.zip   the folder Strandel-VERSION/ to unpack anywhere and run from
#   Strandel-VERSION-setup.exe   the installer (strandel.nsi beside this script)
# Both hold the same files: strandel.exe without its debugging information, Strandel.htm,
# the shipped templates (the contents of templates/, subfolders kept), README.md and
# LICENSE.txt.
#
# Usage: make_packages.sh VERSION STRANDEL_EXE SOURCE_DIR OUT_DIR [STRIP]
#
# The same inputs give the same bytes: every file is dated SOURCE_DATE_EPOCH (by default the
# time of the last commit) and the zip takes the files in name order, without owners.
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "usage: make_packages.sh VERSION STRANDEL_EXE SOURCE_DIR OUT_DIR [STRIP]" >&2
  exit 2
fi
version=$1 exe=$2 source=$3 out=$4 strip=${5:-x86_64-w64-mingw32-strip}
here=$(cd "$(dirname "$0")" && pwd)
for tool in makensis zip "$strip"; do
  if ! command -v "$tool" >/dev/null; then
    echo "make_packages.sh: $tool is missing (scripts/bootstrap.sh installs it)" >&2
    exit 1
  fi
done
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 1767225600)}
export SOURCE_DATE_EPOCH=$epoch   # strip dates the program's header with it

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=Strandel-$version
stage=$work/$name

# The program's folder as it is installed.
mkdir "$stage"
"$strip" -o "$stage/strandel.exe" "$exe"
cp "$source/help/Strandel.htm" "$source/README.md" "$source/LICENSE.txt" "$stage/"
cp -R "$source/templates/." "$stage/"
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
chmod 755 "$stage/strandel.exe"
find "$stage" -exec touch -h -d "@$epoch" {} +

# The zip: Strandel-VERSION/ and everything in it.
(cd "$work" && find "$name" | LC_ALL=C sort | TZ=UTC zip -X -q "$name-win64.zip" -@)

# The installer, from the folder's files named one by one.
bash "$here/list_program_files.sh" "$stage" > "$work/program_files.nsh"
installed_kb=$(find "$stage" -type f -printf '%s\n' | awk '{ sum += $1 } END { printf "%d", (sum + 1023) / 1024 }')
quad=$(echo "$version.0.0.0" | cut -d. -f1-4)
(cd "$stage" && makensis -NOCD -V2 -DVERSION="$version" -DVERSION_QUAD="$quad" -DINSTALLED_KB="$installed_kb" \
   -DPROGRAM_FILES=../program_files.nsh -DOUTFILE="../$name-setup.exe" "$here/strandel.nsi")

mkdir -p "$out"
rm -f "$out"/Strandel-*-win64.zip "$out"/Strandel-*-setup.exe
mv "$work/$name-win64.zip" "$work/$name-setup.exe" "$out/"
