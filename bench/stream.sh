#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures how fast Q4 reads a long input, against tr -d ' ' on the same file, side by side:
# 200 MB of white space before the fifteen values, and a first value with 200 MB of leading
# zeros. Q4 and tr run in turns, five times each on each file; the least time of each
# counts, and Q4's over tr's is printed as a ratio, under 1 where Q4 is the faster. The build
# is its own, in build-bench with the default configuration, and any arguments go to its
# configure step. Exits 1 when Q4 is not the faster on either file. A benchmark, not a test:
# its times depend on the machine and on what else it is doing.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build-bench
cmake -S . -B build-bench "$@" > /dev/null && cmake --build build-bench --target Q4 > /dev/null
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
values="10 9 8 7 6 5 4 3 2 1 15 14 13 12 11"
{ head -c 200000000 /dev/zero | tr '\0' ' ' && echo "$values"; } > "$dir/white space"
{ head -c 200000000 /dev/zero | tr '\0' 0 && echo "$values"; } > "$dir/leading zeros"

# microseconds FILE COMMAND...: how long one run of COMMAND on FILE takes, in microseconds.
microseconds() {
    local file=$1 start end
    shift
    start=${EPOCHREALTIME/./}
    "$@" < "$file" > /dev/null
    end=${EPOCHREALTIME/./}
    echo $((end - start))
}
slower=0
for input in "white space" "leading zeros"; do
    best_q4=$((1 << 62)) best_tr=$((1 << 62))
    for _ in 1 2 3 4 5; do
        q4=$(microseconds "$dir/$input" build-bench/Q4)
        tr=$(microseconds "$dir/$input" tr -d ' ')
        [ "$q4" -ge "$best_q4" ] || best_q4=$q4
        [ "$tr" -ge "$best_tr" ] || best_tr=$tr
    done
    ratio=$((best_q4 * 100 / best_tr))
    printf '200 MB of %s: Q4 %d ms, tr -d %s %d ms, ratio %d.%02d\n' "$input" \
        $((best_q4 / 1000)) "' '" $((best_tr / 1000)) $((ratio / 100)) $((ratio % 100))
    [ "$best_q4" -lt "$best_tr" ] || slower=1
done
if [ "$slower" -eq 1 ]; then
    echo "stream.sh: Q4 is not faster than tr on every file" >&2
    exit 1
fi
