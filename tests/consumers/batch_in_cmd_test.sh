#!/bin/sh
# The shipped batch templates as cmd.exe runs them: strandel-gen.exe makes the batch file from
# files whose names hold % & ^ ! ; , ' parentheses, brackets and blanks, Wine's cmd runs it,
# and every file must arrive whole. Wine's cmd cannot switch a batch file to UTF-8, so
# non-ASCII names are checked in the batch file's bytes instead.
# Usage: batch_in_cmd_test.sh STRANDEL_GEN_EXE TEMPLATES_FOLDER   (under the tests' Wine prefix)
set -u
gen=$1
templates=$2
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

mkdir "$work/src"
for name in "100% done.txt" "%PATH%.txt" "50%% off.txt" "Tom & Jerry (1).txt" "x^y!z.txt" \
            "a b;c,d.txt" "it's [x] {y}.txt" "plain.txt"; do
    printf 'the file %s\r\n' "$name" > "$work/src/$name"
    windows "$work/src/$name" >> "$work/files.lst"
    printf '\r\n' >> "$work/files.lst"
done

# The template as a user sets it up: the target folder changed in the Main head.
with_target() { # template, target folder
    T=$(windows "$2") awk '{ i = index($0, "C:\\"); if (i && $0 ~ /^MainHead=/) {
        j = index(substr($0, i), "\"#QZ_BR#"); $0 = substr($0, 1, i - 1) ENVIRON["T"] substr($0, i + j - 1) } print }' "$1"
}

run_batch() { # template, output folder, batch name
    with_target "$templates/$1" "$work/$2" > "$work/$3.hqd"
    (cd "$work" && wine "$gen" -t "$3.hqd" -o "$3.bat" files.lst) || fail "$1: strandel-gen failed"
    head -c 25 "$work/$3.bat" | grep -q '^@echo off' || fail "$1: the batch file does not begin with @echo off (no mark)"
    grep -q '^chcp 65001 >nul' "$work/$3.bat" || fail "$1: no switch to UTF-8 at the top"
    (cd "$work" && wine cmd /c "$3.bat" < /dev/null > "$3.log" 2>&1)
}

run_batch "Copy to folder (batch).hqd" copies to-folder
for f in "$work"/src/*; do
    cmp -s "$f" "$work/copies/${f##*/}" || fail "copy: ${f##*/} did not arrive whole"
done

run_batch "Numbered copies (batch).hqd" numbered numbered-copies
n=0
while IFS= read -r line; do
    line=$(printf '%s' "$line" | tr -d '\r')
    [ -n "$line" ] || continue
    n=$((n + 1))
    name=${line##*\\}
    numbered=$(printf '%03d %s' "$n" "$name")
    cmp -s "$work/src/$name" "$work/numbered/$numbered" || fail "numbered: '$numbered' did not arrive whole"
done < "$work/files.lst"

# Non-ASCII names: the bytes cmd would read after chcp 65001, percent signs doubled.
printf 'C:\\Musik\\\316\251\316\264\316\256 5%%.mp3\r\n' > "$work/greek.lst"
(cd "$work" && wine "$gen" -t "$templates/Copy to folder (batch).hqd" -o greek.bat greek.lst) || fail "greek: strandel-gen failed"
grep -q "$(printf 'copy /y "C:\\\\Musik\\\\\316\251\316\264\316\256 5%%%%.mp3" "%%TARGET%%\\\\"')" "$work/greek.bat" ||
    fail "greek: the name is not in the batch file as UTF-8 with %% doubled"

if [ "$failures" -ne 0 ]; then
    cat "$work/to-folder.log" "$work/numbered-copies.log"
    echo "$failures check(s) failed"
    exit 1
fi
echo "cmd copied every file of both batch templates"
