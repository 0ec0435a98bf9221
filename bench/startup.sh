#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures what a run of Q4 costs: the instructions of one run on the fifteen-value
# descending example, less those of an empty program built and linked the same way, and
# the size of the binary. Both runs have an empty environment, since the loader and the C
# library walk it at start-up; callgrind then counts the same for the same binary on every
# run, whatever else the machine is doing. The build is its own, in build-bench with the
# default configuration, and any arguments go to its configure step. Exits 1 when Q4's own
# cost or its size is over target. A benchmark, not a test.
set -euo pipefail
cd "$(dirname "$0")/.."
max_own_instructions=40000
max_bytes=24000
command -v valgrind > /dev/null || { echo "startup.sh: valgrind is needed (apt-get install valgrind)" >&2; exit 1; }

rm -rf build-bench
cmake -S . -B build-bench "$@" > /dev/null && cmake --build build-bench --target Q4 q4_empty > /dev/null

# count PROGRAM: the instructions of one run of PROGRAM on the example.
count() {
    local total
    total=$(echo "10 9 8 7 6 5 4 3 2 1 15 14 13 12 11" |
        env -i "$(command -v valgrind)" --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 > /dev/null |
        sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p')
    [ -n "$total" ] || { echo "startup.sh: callgrind reported no count for $1" >&2; exit 1; }
    echo "$total"
}
q4=$(count build-bench/Q4)
empty=$(count build-bench/q4_empty)
own=$((q4 - empty))
bytes=$(wc -c < build-bench/Q4)

echo "instructions: $q4 for Q4, $empty for an empty program"
echo "Q4's own cost: $own instructions (target: at most $max_own_instructions)"
echo "binary size: $bytes bytes (target: at most $max_bytes)"
if [ "$own" -gt "$max_own_instructions" ] || [ "$bytes" -gt "$max_bytes" ]; then
    echo "startup.sh: over target" >&2
    exit 1
fi
