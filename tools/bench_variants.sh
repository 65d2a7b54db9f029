#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times gearcalc itself on a list of 10,000 transmission variants, from the
# start of the process to its end, the median of five runs, and measures its
# peak memory on lists of 10,000 and 100,000 rows, which must be alike: the
# list is read and answered row by row.
#   tools/bench_variants.sh build/release/gearcalc
set -euo pipefail
program=${1:-build/release/gearcalc}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
list() {
    echo "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel"
    for i in $(seq 1 "$1"); do
        echo "$i,transmission,5,3,1,$((18 + i % 20)),$((i % 16)),$((50 + i % 300)),4.0,2.5,21"
    done
}
list 10000 >"$folder/list.csv"
list 100000 >"$folder/long.csv"
times=()
for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$program" --variants "$folder/list.csv" --output "$folder/answers.csv"
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "gearcalc --variants, 10,000 transmission variants: ${sorted[2]} ms (median of five: ${times[*]} ms)"
echo "answers: $(($(wc -l <"$folder/answers.csv") - 1)) rows"
for rows in list long; do
    /usr/bin/time -v "$program" --variants "$folder/$rows.csv" --output "$folder/answers.csv" 2>"$folder/time"
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$folder/time")
    echo "peak memory, $(($(wc -l <"$folder/$rows.csv") - 1)) rows: $((peak / 1024)) MB ($peak KiB)"
done
