#!/usr/bin/env bash
# Runs Q4 on one input and checks its whole transcript: standard output, standard error
# and exit status, each exactly. Cases are one line each in CMakeLists.txt beside this file.
#
#   check.sh Q4 INPUT union BUILT SORTED     the run succeeds; BUILT and SORTED are the
#                                            values the two listings hold, in order
#   check.sh Q4 INPUT fails PROMPTS MESSAGE  the run prints its first PROMPTS prompts,
#                                            then "Q4: MESSAGE" on standard error, exit 1
#
# INPUT goes through printf %b. In the environment, Q4_STDIN and Q4_STDOUT replace the
# input file and the captured output, and Q4_HOLD_INPUT keeps the input open after its
# last byte, as a terminal does, so a run that waits for more input times out.
set -u
q4=$1 input=$2 kind=$3
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT

prompts=("Enter values for first array:" "Enter values for second array:")
listing() { printf '\nThe union of the two arrays is:\n'; printf '%s\n' $1; }
case $kind in
union)
    { printf '%s\n' "${prompts[@]}"; listing "$4"; listing "$5"; } > "$dir/expected.out"
    : > "$dir/expected.err"; expected_status=0 ;;
fails)
    for ((i = 0; i < $4; i++)); do printf '%s\n' "${prompts[i]}"; done > "$dir/expected.out"
    printf 'Q4: %s\n' "$5" > "$dir/expected.err"; expected_status=1 ;;
esac

printf '%b' "$input" > "$dir/input"
stdin=${Q4_STDIN:-$dir/input}
if [ -n "${Q4_HOLD_INPUT:-}" ]; then
    exec 3< <(cat "$dir/input"; exec sleep 60 2> /dev/null)
    trap 'kill $! 2> /dev/null; rm -rf "$dir"' EXIT
    stdin=/dev/fd/3
fi
: > "$dir/actual.out"
timeout 10 "$q4" < "$stdin" > "${Q4_STDOUT:-$dir/actual.out}" 2> "$dir/actual.err"
status=$?

# Prints the two versions side by side when they differ.
compare() {
    cmp -s "$2" "$3" && return 0
    printf '%s differs (expected | actual):\n' "$1"
    diff --side-by-side --expand-tabs --width=100 "$2" "$3"
    return 1
}
failed=0
compare "standard output" "$dir/expected.out" "$dir/actual.out" || failed=1
compare "standard error" "$dir/expected.err" "$dir/actual.err" || failed=1
if [ "$status" -ne "$expected_status" ]; then
    printf 'exit status: expected %s, actual %s\n' "$expected_status" "$status"; failed=1
fi
exit $failed
