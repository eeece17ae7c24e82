#!/usr/bin/env bash
# Strandel as a person gets it: the packages made the way make dist makes them, the setup run
# silently in a Wine prefix of this test's own, the installed program started with a template of
# the user's beside it and its Templates menu chosen item by item, the setup run again while the
# program runs (it closes the program first), then a silent uninstall that takes away what was
# installed and leaves the user's template and settings.
# Usage: installer_test.sh VERSION STRANDEL_EXE SOURCE_DIR STRIP PROBE_EXE PREFIX
#   PREFIX (a folder named installer-wineprefix) is kept between runs that end well and made
#   again after one that did not.
set -euo pipefail
version=$1 exe=$2 source=$3 strip=$4 probe=$5 prefix=$6

fail() { echo "FAIL: $*" >&2; exit 1; }
case $prefix in */installer-wineprefix) ;; *) fail "the prefix folder must be named installer-wineprefix" ;; esac

# The project's Wine environment (winemenubuilder off: the shortcuts made here give the host's
# desktop no menu entries).
set -a
. "$source/cmake/wine.env"
set +a
export WINEPREFIX=$prefix

work=$(mktemp -d)
trap 'status=$?; [ $status -eq 0 ] || wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

clean_mark=$prefix/.installer-test-clean
if [ -d "$prefix" ] && [ ! -f "$clean_mark" ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
# Made as the tests' own prefix is (no window manager on the virtual display).
sh "$source/scripts/wine-prefix.sh" "$prefix"
rm -f "$clean_mark"

# ---- The packages -------------------------------------------------------------------------
bash "$source/installer/make_packages.sh" "$version" "$exe" "$source" "$work/packages" "$strip"
setup=$work/packages/Strandel-$version-setup.exe
zip=$work/packages/Strandel-$version-win64.zip
[ -f "$setup" ] && [ -f "$zip" ] || fail "no Strandel-$version-setup.exe and Strandel-$version-win64.zip"

python3 -m zipfile -e "$zip" "$work/unzipped"
unzipped=$work/unzipped/Strandel-$version
[ -f "$unzipped/strandel.exe" ] || fail "the zip holds no Strandel-$version/strandel.exe"
for file in help/Strandel.htm README.md LICENSE.txt; do
  cmp -s "$source/$file" "$unzipped/${file#help/}" || fail "the zip's ${file#help/} is not $file"
done
while IFS= read -r file; do
  cmp -s "$source/templates/$file" "$unzipped/$file" || fail "the zip's $file is not templates/$file"
done < <(cd "$source/templates" && find . -type f)
shipped=$(( $(find "$source/templates" -type f | wc -l) + 4 ))
[ "$(find "$unzipped" -type f | wc -l)" -eq "$shipped" ] || fail "the zip holds files nobody ships"

# ---- Silent install ------------------------------------------------------------------------
wine "$setup" /S
folders=$(wine "$probe" folders | tr -d '\r')
folder() { printf '%s\n' "$folders" | sed -n "s/^$1=//p"; }
unix() { winepath -u "$1" | tr -d '\r'; }
win_installed="$(folder LOCALAPPDATA)\\Programs\\Strandel"
win_program="$win_installed\\strandel.exe"
win_send_to="$(folder SENDTO)\\Strandel.lnk"
win_start_menu="$(folder PROGRAMS)\\Strandel.lnk"
installed=$(unix "$win_installed") send_to=$(unix "$win_send_to") start_menu=$(unix "$win_start_menu")

diff -r -x uninstall.exe "$unzipped" "$installed" >&2 || fail "the installed files are not the zip's"
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe in $win_installed"
quad=$(echo "$version.0.0.0" | cut -d. -f1-4)
got=$(wine "$probe" version "$win_program" | tr -d '\r')
[ "$got" = "$version $version $quad" ] || fail "version resource of strandel.exe: $got, not $version"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Strandel'
reg_value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
check_value() {
  local got; got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "uninstall key: $1 is [$got], not [$2]"
}
check_value DisplayName Strandel
check_value DisplayVersion "$version"
check_value Publisher "The Strandel developers"
check_value UninstallString "\"$win_installed\\uninstall.exe\""
check_value InstallLocation "$win_installed"
check_value NoModify 0x1
check_value NoRepair 0x1

for link in "$win_send_to" "$win_start_menu"; do
  got=$(wine "$probe" shortcut "$link" | tr -d '\r')
  [ "$got" = "$win_program" ] || fail "$link starts [$got], not the installed program"
done

# ---- The installed program, with a template of the user's beside it -------------------------
cp "$source/templates/Name list.hqd" "$installed/My own.hqd"

# The titles of the templates in a folder as the Templates menu orders them: a folder's own by
# "title<0xFF>file name" as the program sorts them, then its subfolders' by folder name.
menu_titles() {
  find "$1" -mindepth 1 -maxdepth 1 -type f -iname '*.hqd' -printf '%f\n' |
    sed 's/\.hqd$/\xff/I' | LC_ALL=C sort | sed 's/\xff$//'
  local sub
  while IFS= read -r sub; do menu_titles "$1/$sub"; done < <(
    find "$1" -mindepth 1 -maxdepth 1 -type d ! -name '.*' -printf '%f\n' | LC_ALL=C sort)
}
mapfile -t titles < <(menu_titles "$installed")
# After the last template the next item id chooses nothing: the title stays.
want=$(printf 'Tarvik Strandel - %s\n' "${titles[@]}" "${titles[-1]}")
got=$(wine "$probe" templates "$win_program" "${#titles[@]}" | tr -d '\r')
if [ "$got" != "$want" ]; then
  printf 'titles after choosing each Templates item:\n%s\nexpected:\n%s\n' "$got" "$want" >&2
  fail "the installed program does not offer its templates"
fi

# ---- Setup again while Strandel runs: it is closed (its settings saved), then replaced ---------
wine "$probe" start "$win_program"
[ "$(wine "$probe" running | tr -d '\r')" = 1 ] || fail "the installed Strandel did not start"
wine "$setup" /S || fail "setup over a running Strandel failed"
[ "$(wine "$probe" running | tr -d '\r')" = 0 ] || fail "setup left Strandel running"
diff -r -x uninstall.exe -x 'My own.hqd' "$unzipped" "$installed" >&2 || fail "setup over a running Strandel left other files"

ini=
for candidate in "$(unix "$(folder WINDOWS)")/QZIni.ini" "$(unix "$(folder APPDATA)")/Strandel/QZIni.ini"; do
  [ -f "$candidate" ] && ini=$candidate
done
[ -n "$ini" ] || fail "the program kept its settings in no QZIni.ini"
# The page Html images and Html link make beside the program; the uninstaller takes it too.
echo '<HTML></HTML>' > "$installed/dragtmp.htm"

# ---- Silent uninstall ----------------------------------------------------------------------
wine "$win_installed\\uninstall.exe" /S
wineserver -w   # the uninstaller goes on in a copy of itself; the prefix is ours alone
[ -d "$installed" ] || fail "uninstalling took the folder that holds the user's template"
left=$(cd "$installed" && find . | LC_ALL=C sort | tr '\n' '|')
[ "$left" = ".|./My own.hqd|" ] || fail "after uninstalling, $installed holds: $left"
cmp -s "$source/templates/Name list.hqd" "$installed/My own.hqd" || fail "the user's template changed"
[ -f "$ini" ] || fail "uninstalling took the user's QZIni.ini"
[ ! -e "$send_to" ] || fail "uninstalling left the Send To shortcut"
[ ! -e "$start_menu" ] || fail "uninstalling left the Start menu shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "uninstalling left the key $key"

# The prefix as this test found it, for the next run.
rm -f "$installed/My own.hqd" "$ini"
rmdir "$installed"
touch "$clean_mark"
echo "installer: installed, used with ${#titles[@]} templates and uninstalled, the user's files kept"
