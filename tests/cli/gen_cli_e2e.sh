#!/bin/sh
# strandel-gen as a user runs it: exit codes, usage text, files on disk.
# Usage: gen_cli_e2e.sh [RUNNER...] STRANDEL_GEN  (RUNNER is "wine" for the Windows build)
set -u
gen_cmd="$*"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

check() { # description, expected, actual
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

printf 'C:\\Web\\img\\cat.gif\r\nC:\\Docs\\a.txt\nD:\\x\\b.txt\n' > example.lst
printf '[Strandel]\r\nHeader=<<LI><A HREF=">\r\nQueue=<">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\nMainHead=<<UL>#QZ_BR#>\r\nMainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\nInvertSlash=1\r\nCheckIndex=1\r\n' > html.hqd
printf '<UL>\r\n<LI><A HREF="img/cat.gif">cat.gif</A>\r\n<LI><A HREF="../Docs/a.txt">a.txt</A>\r\n<LI><A HREF="D:/x/b.txt">b.txt</A>\r\n</UL>\r\n3 files' > expected.htm

$gen_cmd -t html.hqd -r 'C:\Web\' -o out.htm example.lst
check "worked example exit" 0 $?
cmp -s out.htm expected.htm
check "worked example bytes" 0 $?

# Names in any script reach the files whole, whatever the system's code page.
cp html.hqd 'Ωμέγα 中.hqd'
cp example.lst 'λίστα.lst'
$gen_cmd -t 'Ωμέγα 中.hqd' -r 'C:\Web\' -o 'вывод 😀.htm' 'λίστα.lst'
check "names in any script exit" 0 $?
cmp -s 'вывод 😀.htm' expected.htm
check "names in any script bytes" 0 $?

$gen_cmd -t html.hqd -r 'C:\Web\' - < example.lst > stdout.htm
check "standard streams exit" 0 $?
cmp -s stdout.htm expected.htm
check "standard output bytes" 0 $?

$gen_cmd > /dev/null 2> usage.txt
check "no arguments" 2 $?
grep -q '^Usage: strandel-gen' usage.txt
check "usage on bad usage" 0 $?

$gen_cmd --help > help.txt 2>/dev/null
check "--help exit" 0 $?
grep -q -- '--main-queue' help.txt
check "--help text" 0 $?

printf 'keep' > kept.txt
: > empty.lst
$gen_cmd -o kept.txt empty.lst 2> err.txt
check "empty list exit" 1 $?
check "empty list message lines" 1 "$(wc -l < err.txt | tr -d ' ')"
check "existing output untouched" keep "$(cat kept.txt)"

$gen_cmd -o kept.txt no-such.lst 2> /dev/null
check "unreadable list exit" 1 $?
$gen_cmd -t no-such.hqd example.lst > /dev/null 2>&1
check "unreadable template exit" 1 $?
$gen_cmd -o no-dir/out.txt example.lst 2> /dev/null
check "unwritable output exit" 1 $?
check "existing output still untouched" keep "$(cat kept.txt)"

# The regression table: older templates and settings files give the bytes kept beside them.
cp -R "$here/../regression" table
cases=0
while IFS='|' read -r name kind template list relpath; do
    [ -n "$name" ] || continue
    cases=$((cases + 1))
    $gen_cmd -t "table/templates/$template" -r "$relpath" -o "table/$name.out" "table/lists/$list"
    check "$name exit" 0 $?
    cmp -s "table/$name.out" "table/expected/$name.out"
    check "$name bytes as before" 0 $?
done < table/cases.txt
[ "$cases" -ge 20 ] || check "regression cases" "20 or more" "$cases"

# Names the ANSI code page cannot hold: one line, exit 3, nothing written; written with the flag.
printf 'C:\\\316\251mega.txt\r\n' > greek.lst
$gen_cmd --encoding ansi --legacy-codepage 1252 -o greek.txt greek.lst 2> err.txt
check "unwritable names exit" 3 $?
check "unwritable names message lines" 1 "$(wc -l < err.txt | tr -d ' ')"
check "nothing written" no "$([ -e greek.txt ] && echo yes || echo no)"
$gen_cmd --encoding ansi --legacy-codepage 1252 --write-anyway -o greek.txt greek.lst
check "written anyway" 'C:\?mega.txt' "$(cat greek.txt)"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all strandel-gen checks passed"
