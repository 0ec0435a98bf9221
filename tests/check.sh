#!/usr/bin/env bash
# Runs Q4 on one input and checks its whole transcript: standard output, standard error
# and exit status, each exactly. Cases are one line each in CMakeLists.txt beside this file.
#
#   check.sh Q4 INPUT union BUILT SORTED     the run succeeds; BUILT and SORTED are the
#                                            values the two listings hold, in order
#   check.sh Q4 INPUT fails PROMPTS MESSAGE  the run prints its first PROMPTS prompts,
#                                            then "Q4: MESSAGE" on standard error, exit 1
#   check.sh Q4 INPUT waits PROMPTS          with its input held open, the run prints its
#                                            first PROMPTS prompts and waits for more
#
# INPUT goes through printf %b. Standard output reaches the check through a pipe, as when
# another program reads the transcript. In the environment:
#   Q4_STDIN, Q4_STDOUT    replace the input file and the captured output
#   Q4_HOLD_INPUT          keeps the input open after its last byte, as a terminal does
#   Q4_NONBLOCKING_INPUT   gives the input on a non-blocking pipe held open, so that a read
#                          past its last byte fails ("Resource temporarily unavailable")
#   Q4_ZEROS=N             puts N '0' bytes before INPUT, a token longer than any buffer
#   Q4_MEMORY_CAP=KB       runs Q4 with its address space capped at KB kilobytes
set -u
q4=$1 input=$2 kind=$3
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT

prompts=("Enter values for first array:" "Enter values for second array:")
first_prompts() { for ((i = 0; i < $1; i++)); do printf '%s\n' "${prompts[i]}"; done; }
listing() {
    local -a values
    read -ra values <<< "$1"
    printf '\nThe union of the two arrays is:\n'
    printf '%s\n' "${values[@]}"
}
limit=10
: > "$dir/expected.err"
case $kind in
union)
    { first_prompts 2; listing "$4"; listing "$5"; } > "$dir/expected.out"; expected_status=0 ;;
fails)
    first_prompts "$4" > "$dir/expected.out"
    printf 'Q4: %s\n' "$5" > "$dir/expected.err"; expected_status=1 ;;
waits)
    # A run still waiting is ended by timeout, which then exits 124.
    first_prompts "$4" > "$dir/expected.out"; expected_status=124 limit=2 Q4_HOLD_INPUT=1 ;;
esac

{ head -c "${Q4_ZEROS:-0}" /dev/zero | tr '\0' 0; printf '%b' "$input"; } > "$dir/input"
if [ -n "${Q4_HOLD_INPUT:-}" ]; then
    exec 3< <(cat "$dir/input"; exec sleep 60 2> /dev/null)
    trap 'kill $! 2> /dev/null; rm -rf "$dir"' EXIT
elif [ -n "${Q4_NONBLOCKING_INPUT:-}" ]; then
    # Opened for both reading and writing, the pipe never reports its end; the whole input
    # is in it before Q4 starts, so the failing read comes exactly after the last byte.
    mkfifo "$dir/pipe" && exec 3<> "$dir/pipe" && cat "$dir/input" >&3
    dd iflag=nonblock count=0 status=none <&3
else
    exec 3< "${Q4_STDIN:-$dir/input}"
fi

run() (
    [ -z "${Q4_MEMORY_CAP:-}" ] || ulimit -v "$Q4_MEMORY_CAP"
    exec timeout "$limit" "$q4" <&3 2> "$dir/actual.err"
)
if [ -n "${Q4_STDOUT:-}" ]; then
    run > "$Q4_STDOUT"; status=$?
    : > "$dir/actual.out"
else
    run | cat > "$dir/actual.out"; status=${PIPESTATUS[0]}
fi

# A case fails when its report is not empty. The report shows the input first, then a
# unified diff of each stream that differs, then the exit status.
report_input() {
    if [ -n "${Q4_STDIN:-}" ]; then
        printf 'input: %s\n' "$Q4_STDIN"; return
    fi
    local size; size=$(wc -c < "$dir/input")
    printf 'input (%s bytes; cat -A shows control bytes, and $ at each line end):\n' "$size"
    head -c 1000 "$dir/input" | cat -A; echo
    [ "$size" -le 1000 ] || printf '... (the first 1000 bytes)\n'
}
compare() {
    cmp -s "$2" "$3" && return
    printf '%s differs:\n' "$1"
    diff -u --label expected --label actual "$2" "$3"
}
{
    compare "standard output" "$dir/expected.out" "$dir/actual.out"
    compare "standard error" "$dir/expected.err" "$dir/actual.err"
    if [ "$status" -ne "$expected_status" ]; then
        if [ "$status" -eq 124 ]; then
            printf 'timed out after %s s (expected exit status %s)\n' "$limit" "$expected_status"
        else
            printf 'exit status: expected %s, actual %s\n' "$expected_status" "$status"
        fi
    fi
} > "$dir/report"
[ -s "$dir/report" ] || exit 0
report_input
cat "$dir/report"
exit 1
