#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Q4 on one input and checks its whole transcript: standard output, standard error
# and exit status, each exactly. Cases are one line each in CMakeLists.txt beside this file.
#
#   check.sh [OPTION]... Q4 INPUT union BUILT SORTED
#       the run succeeds; BUILT and SORTED are the values the two listings hold, in order
#   check.sh [OPTION]... Q4 INPUT fails PROMPTS MESSAGE [LISTING]...
#       the run prints its first PROMPTS prompts and a listing of each LISTING's values,
#       then "Q4: MESSAGE" on standard error, and exits 1
#   check.sh [OPTION]... Q4 INPUT waits PROMPTS
#       with its input held open, the run prints its first PROMPTS prompts and waits
#   check.sh [OPTION]... Q4 INPUT prints TEXT
#       the run prints TEXT (through printf %b) and exits 0
#
# INPUT goes through printf %b. Standard output reaches the check through a pipe, as when
# another program reads the transcript, unless an option says otherwise. Options:
#   --arg=ARG              Q4 runs with the argument ARG
#   --stdin=FILE           FILE is the input, in place of INPUT
#   --zeros=N              N '0' bytes come before INPUT: a token longer than any buffer
#   --hold                 the input is a pipe held open after its last byte, as a terminal
#                          is; the input must fit in the pipe
#   --nonblocking          as --hold, but the pipe does not block, so that a read past its
#                          last byte fails ("Resource temporarily unavailable")
#   --stdout=FILE          standard output goes to FILE and is not captured
#   --file-size-cap=BYTES  standard output is a file that cannot grow past BYTES, with
#                          SIGXFSZ ignored, so that a write past it fails ("File too large")
#   --inject=FAULT         a system call of Q4's fails as strace's -e inject=FAULT says, such
#                          as write:error=EIO:when=2; standard output is a file, on which
#                          alone calls count, unless at a terminal
#   --memory-cap=KB        Q4's address space is capped at KB kilobytes
#   --line-writes          each prompt, value line and error line must go out in a write
#                          of its own, as it is ready (strace)
#   --tty                  standard input and output are a terminal, with echo off: INPUT is
#                          typed at it and held open, and what it shows is standard output
#   --rest=TEXT            after the run, what is left of the input for the next reader is
#                          TEXT (through printf %b): at a terminal, what was typed and not read
#   --sanitized            Q4 is built with the sanitizers, so a memory cap cannot apply
# A case that cannot run here exits 77, which CTest shows as skipped.
set -u
declare -A option=()
while [[ ${1:-} == --* ]]; do
    case ${1%%=*} in
    --arg | --stdin | --zeros | --hold | --nonblocking | --stdout | --file-size-cap | --inject | \
        --memory-cap | --line-writes | --tty | --rest | --sanitized) option[${1%%=*}]=${1#*=} && shift ;;
    *) echo "check.sh: unknown option '$1'" >&2 && exit 2 ;;
    esac
done
q4=$1 input=$2 kind=$3 limit=10
skip() { echo "skipped: $1" && exit 77; }
[[ ! -v option[--memory-cap] || ! -v option[--sanitized] ]] ||
    skip "the sanitizers' shadow memory needs more address space than any cap allows"
if [[ -v option[--inject] || -v option[--line-writes] ]] && ! reason=$(strace -o /dev/null true 2>&1); then
    skip "strace cannot trace here: ${reason%%$'\n'*}"
fi
if [[ -v option[--tty] ]] && ! reason=$(script -qec true /dev/null 2>&1 < /dev/null); then
    skip "script cannot make a terminal here: ${reason%%$'\n'*}"
fi

dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
prompts=("Enter values for first array:" "Enter values for second array:")
first_prompts() { for ((i = 0; i < $1; i++)); do echo "${prompts[i]}"; done; }
listing() { printf '\nThe union of the two arrays is:\n' && tr ' ' '\n' <<< "$1"; }
: > "$dir/expected.err"
case $kind in
union) { first_prompts 2; listing "$4"; listing "$5"; } > "$dir/expected.out"; expected_status=0 ;;
fails)
    { first_prompts "$4"; for values in "${@:6}"; do listing "$values"; done; } > "$dir/expected.out"
    printf 'Q4: %s\n' "$5" > "$dir/expected.err"; expected_status=1 ;;
prints) printf '%b' "$4" > "$dir/expected.out"; expected_status=0 ;;
waits) first_prompts "$4" > "$dir/expected.out"; expected_status="still waiting for input"; option[--hold]= ;;
*) echo "check.sh: unknown kind '$kind'" >&2 && exit 2 ;;
esac

{ head -c "${option[--zeros]:-0}" /dev/zero | tr '\0' 0; printf '%b' "$input"; } > "$dir/input"
if [[ -v option[--hold] || -v option[--nonblocking] || -v option[--tty] ]]; then
    # Opened for both reading and writing, the pipe never reports its end. The whole input
    # is in it before Q4 starts, so Q4 waits, or its read fails, exactly after the last byte.
    [ "$(wc -c < "$dir/input")" -le 65536 ] || { echo "check.sh: a held input must fit in a pipe" >&2 && exit 2; }
    mkfifo "$dir/pipe" && exec 3<> "$dir/pipe" && cat "$dir/input" >&3
    [[ ! -v option[--nonblocking] ]] || dd iflag=nonblock count=0 status=none <&3
else
    exec 3< "${option[--stdin]:-$dir/input}"
fi

# The command that runs Q4, in the limits and under the faults that the options ask for. A
# waits case is watched by the poll below; the others are ended by timeout.
command=()
if [[ -v option[--file-size-cap] ]]; then
    command+=(prlimit --fsize="${option[--file-size-cap]}") && trap '' XFSZ
elif [[ -v option[--inject] ]]; then
    command+=(strace -o /dev/null -e trace="${option[--inject]%%:*}" -e inject="${option[--inject]}")
    [[ -v option[--tty] ]] || command+=(-P "$dir/actual.out")
elif [[ -v option[--line-writes] ]]; then
    command+=(strace -o "$dir/trace" -e trace=write)
fi
# A sanitized build's leak check cannot work under strace; Q4 allocates nothing for it to find.
[[ ${command[*]} != *strace* ]] || command=(env ASAN_OPTIONS=detect_leaks=0 "${command[@]}")
[[ ! -v option[--memory-cap] ]] || command+=(prlimit --as=$((option[--memory-cap] * 1024)))
command+=("$q4")
[[ ! -v option[--arg] ]] || command+=("${option[--arg]}")
run() { timeout "$limit" "${command[@]}" <&3 2> "$dir/actual.err"; }

if [ "$kind" = waits ]; then
    # Started on its own, the command is Q4's own process, which the poll watches and the
    # exit trap ends, whatever the outcome. Q4 waits once it sleeps on its input; then
    # everything it flushed is in the file. Delays double from 10 ms, as in coreutils'
    # retry_delay_, to $limit s in all.
    "${command[@]}" <&3 > "$dir/actual.out" 2> "$dir/actual.err" & pid=$!
    trap 'kill "$pid" 2> /dev/null; wait "$pid" 2> /dev/null; rm -rf "$dir"' EXIT
    for delay in 0 0.01 0.02 0.04 0.08 0.16 0.32 0.64 1.28 2.56 5.12; do
        sleep "$delay" && name='' state=''
        read -r _ name state _ 2> /dev/null < "/proc/$pid/stat" || break
        [[ $name != "(${q4##*/})" || $state != S ]] || break
    done
    case $state in
    S) status=$expected_status ;;
    Z | '') wait "$pid"; status="exited with status $?" ;;
    *) status="still running after $limit s" ;;
    esac
elif [[ -v option[--tty] ]]; then
    # In the terminal that script makes, Q4 runs and then what was typed and not read is
    # taken without waiting, as the next reader would take it.
    printf -v child '%q ' "${command[@]}" && printf -v at %q "$dir"
    child+="2> $at/actual.err; status=\$?; stty -icanon min 0 time 0; cat > $at/actual.rest; exit \$status"
    timeout "$limit" script -qec "$child" --echo never /dev/null <&3 2> /dev/null | tr -d '\r' > "$dir/actual.out"
    status=${PIPESTATUS[0]}
elif [[ -v option[--stdout] || -v option[--file-size-cap] || -v option[--inject] ]]; then
    run > "${option[--stdout]:-$dir/actual.out}"; status=$?
else
    run | cat > "$dir/actual.out"; status=${PIPESTATUS[0]}
fi
[ "$status" != 124 ] || status="124, a time-out after $limit s"
[[ ! -v option[--rest] ]] || printf '%b' "${option[--rest]}" > "$dir/expected.rest"
[[ ! -v option[--rest] || -v option[--tty] ]] || cat <&3 > "$dir/actual.rest"

# A case fails when its report is not empty: a unified diff of each stream that differs,
# then the exit status. The input is shown first.
compare() {
    [ -e "$3" ] || : > "$3"
    cmp -s "$2" "$3" || { echo "$1 differs:" && diff -u --label expected --label actual "$2" "$3"; }
}
{
    compare "standard output" "$dir/expected.out" "$dir/actual.out"
    compare "standard error" "$dir/expected.err" "$dir/actual.err"
    [[ ! -v option[--rest] ]] || compare "what is left of the input" "$dir/expected.rest" "$dir/actual.rest"
    if [[ -v option[--line-writes] ]]; then
        # A listing's empty line and header go out with its first value.
        expected=([1]=$(grep -cv -e '^$' -e '^The union of the two arrays is:$' "$dir/expected.out")
            [2]=$(wc -l < "$dir/expected.err"))
        for fd in 1 2; do
            writes=$(grep -c "^write($fd," "$dir/trace")
            [ "$writes" = "${expected[fd]}" ] || echo "file descriptor $fd: $writes writes, expected ${expected[fd]}"
        done
    fi
    [ "$status" = "$expected_status" ] || echo "exit status: expected $expected_status, actual $status"
} > "$dir/report"
[ -s "$dir/report" ] || exit 0
if [[ -v option[--stdin] ]]; then
    echo "input: ${option[--stdin]}"
else
    size=$(wc -c < "$dir/input")
    echo "input ($size bytes; cat -A shows control bytes, and \$ at each line end):"
    head -c 1000 "$dir/input" | cat -A && echo
    [ "$size" -le 1000 ] || echo "... (the first 1000 bytes)"
fi
cat "$dir/report"
exit 1
