#!/usr/bin/env bash
# Times strandel-gen against the machine's awk making the same bytes from the same list of
# 1,000,000 names, side by side in one run, and reports strandel-gen's peak memory.
# Usage: bench/gen_vs_awk.sh STRANDEL_GEN [ENTRIES]
set -euo pipefail
gen=$(realpath "$1")
entries=${2:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Three kinds of name: below the base folder, in a sibling branch, on another drive.
awk -v n="$entries" 'BEGIN {
    for (i = 0; i < n; i++) {
        k = i % 3
        if (k == 0) printf "C:\\Web\\img\\gallery%d\\cat%d.gif\r\n", i % 97, i
        else if (k == 1) printf "C:\\Docs\\Reports\\2026\\a%d.txt\r\n", i
        else printf "D:\\x\\archive\\b%d.txt\r\n", i
    }
}' > list.lst

printf '[Strandel]\r\nHeader=<<LI><A HREF=">\r\nQueue=<">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\nMainHead=<<UL>#QZ_BR#>\r\nMainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\nInvertSlash=1\r\nCheckIndex=1\r\n' > html.hqd

run_gen() { "$gen" -t html.hqd -r 'C:\Web\' -o gen.htm list.lst; }
run_awk() { awk -f "$here/gen_vs_awk.awk" list.lst > awk.htm; }

best() { # command: the best wall time of three runs, in seconds
    local best_time="" t
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N); "$@"; end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc -l)
        if [ -z "$best_time" ] || [ "$(echo "$t < $best_time" | bc -l)" = 1 ]; then best_time=$t; fi
    done
    echo "$best_time"
}

gen_time=$(best run_gen)
awk_time=$(best run_awk)

if ! cmp -s gen.htm awk.htm; then
    echo "strandel-gen and awk made different bytes" >&2
    cmp gen.htm awk.htm | head -3 >&2
    exit 1
fi

list_bytes=$(stat -c %s list.lst)
peak_kb=$(/usr/bin/time -f '%M' "$gen" -t html.hqd -r 'C:\Web\' -o gen.htm list.lst 2>&1 >/dev/null | tail -1)
limit_kb=$(( (2 * list_bytes) / 1024 + 32 * 1024 ))
awk_name=$(readlink -f "$(command -v awk)")

printf 'list: %d entries, %d bytes; output %d bytes (identical from both)\n' "$entries" "$list_bytes" "$(stat -c %s gen.htm)"
printf 'strandel-gen: %.3f s  (%.1f million lines/s)\n' "$gen_time" "$(echo "$entries / $gen_time / 1000000" | bc -l)"
printf '%s: %.3f s\n' "$awk_name" "$awk_time"
printf 'speed ratio (awk / strandel-gen): %.2f  (target: at least 3)\n' "$(echo "$awk_time / $gen_time" | bc -l)"
printf 'peak memory of strandel-gen: %d KiB; limit 2 x list + 32 MiB = %d KiB\n' "$peak_kb" "$limit_kb"
