#!/usr/bin/env bash
# Writes the NSIS macros that name every file of the program's folder FOLDER, for
# strandel.nsi (makensis runs in FOLDER, so the files are named relative to it):
#   InstallProgramFiles    File for each file, into the same place under $INSTDIR
#   RemoveProgramFiles     Delete for each of those files
#   RemoveProgramFolders   RMDir (without /r) for each subfolder, deepest first
# Usage: list_program_files.sh FOLDER > program_files.nsh
set -euo pipefail
cd "$1"

# A name as an NSIS string holds it ("$" is written "$$"): as makensis reads it here, and
# as Windows names it, with "\".
nsis_name() { local p=${1#./}; printf '%s' "${p//\$/\$\$}"; }
nsis_path() { local p; p=$(nsis_name "$1"); printf '%s' "${p//\//\\}"; }

if find . -name '*"*' | grep -q .; then
  echo "list_program_files.sh: a file name with a double quote cannot be installed" >&2
  exit 1
fi

mapfile -t folders < <(find . -type d | LC_ALL=C sort)
mapfile -t files < <(find . -type f | LC_ALL=C sort)

echo '; Made by installer/list_program_files.sh: the files of the program'"'"'s folder.'
echo '!macro InstallProgramFiles'
for folder in "${folders[@]}"; do
  if [ "$folder" = . ]; then
    echo '  SetOutPath "$INSTDIR"'
  else
    echo "  SetOutPath \"\$INSTDIR\\$(nsis_path "$folder")\""
  fi
  while IFS= read -r file; do
    echo "  File \"$(nsis_name "$file")\""
  done < <(find "$folder" -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort)
done
echo '!macroend'

echo '!macro RemoveProgramFiles'
for file in "${files[@]}"; do
  echo "  Delete \"\$INSTDIR\\$(nsis_path "$file")\""
done
echo '!macroend'

echo '!macro RemoveProgramFolders'
mapfile -t deepest_first < <(printf '%s\n' "${folders[@]}" | LC_ALL=C sort -r)
for folder in "${deepest_first[@]}"; do
  [ "$folder" = . ] || echo "  RMDir \"\$INSTDIR\\$(nsis_path "$folder")\""
done
echo '!macroend'
