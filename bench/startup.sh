#!/usr/bin/env bash
# Counts the instructions of one run of Q4 on the fifteen-value descending example, as
# built by the README's command. Start-up dominates this count; callgrind makes it the
# same on every run, whatever else the machine is doing. A benchmark, not a test.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v valgrind > /dev/null || { echo "startup.sh: valgrind is needed (apt-get install valgrind)" >&2; exit 1; }

cmake -S . -B build > /dev/null && cmake --build build > /dev/null
count=$(echo "10 9 8 7 6 5 4 3 2 1 15 14 13 12 11" |
    valgrind --tool=callgrind --callgrind-out-file=/dev/null build/Q4 2>&1 > /dev/null |
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p')
[ -n "$count" ] || { echo "startup.sh: callgrind reported no count" >&2; exit 1; }
echo "instructions: $count (target: at most 400000)"
