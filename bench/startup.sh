#!/usr/bin/env bash
# Measures what a run of Q4 costs: the instructions of one run on the fifteen-value
# descending example, and the size of the binary. Start-up dominates the count; callgrind
# makes it the same on every run, whatever else the machine is doing. The build is its
# own, in build-bench with the default configuration, and any arguments go to its
# configure step (bench/startup.sh -DQ4_STATIC_RUNTIME=OFF). Exits 1 when a figure is
# over its target. A benchmark, not a test.
set -euo pipefail
cd "$(dirname "$0")/.."
max_instructions=255000
max_bytes=800000
command -v valgrind > /dev/null || { echo "startup.sh: valgrind is needed (apt-get install valgrind)" >&2; exit 1; }

rm -rf build-bench
cmake -S . -B build-bench "$@" > /dev/null && cmake --build build-bench > /dev/null
instructions=$(echo "10 9 8 7 6 5 4 3 2 1 15 14 13 12 11" |
    valgrind --tool=callgrind --callgrind-out-file=/dev/null build-bench/Q4 2>&1 > /dev/null |
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p')
[ -n "$instructions" ] || { echo "startup.sh: callgrind reported no count" >&2; exit 1; }
bytes=$(wc -c < build-bench/Q4)

echo "instructions: $instructions (target: at most $max_instructions)"
echo "binary size: $bytes bytes (target: at most $max_bytes)"
if [ "$instructions" -gt "$max_instructions" ] || [ "$bytes" -gt "$max_bytes" ]; then
    echo "startup.sh: over target" >&2
    exit 1
fi
