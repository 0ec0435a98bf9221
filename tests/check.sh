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
#   check.sh [OPTION]... Q4 INPUT prints TEXT [MESSAGE]
#       the run prints TEXT and exits 0; or also "Q4: MESSAGE" on standard error, and exits 1
#
# INPUT and TEXT go through printf %b. Standard output reaches the check through a pipe,
# unless an option says otherwise. Options:
#   --arg=ARG              Q4 runs with the argument ARG, after those of earlier --arg
#   --stdin=FILE           FILE is the input, in place of INPUT
#   --zeros=N              N '0' bytes come before INPUT: a token longer than any buffer
#   --hold                 the input is a pipe held open after its last byte, as a terminal is
#   --nonblocking          as --hold, but a read past the last byte fails (EAGAIN)
#   --stdout=FILE          standard output goes to FILE and is not captured
#   --file-size-cap=BYTES  standard output is a file that a write cannot grow past BYTES
#   --inject=FAULT         a system call of Q4's on its standard input or output fails as
#                          strace's -e inject=FAULT says; standard output is a file
#   --memory-cap=KB        Q4's address space is capped at KB kilobytes
#   --line-writes          each prompt, value line and error line goes out in a write of its own
#   --tty                  standard input and output are a terminal, echo off, where INPUT is typed
#   --rest=TEXT            what is left of the input for the next reader is TEXT (printf %b)
#   --sanitized            Q4 is built with the sanitizers, so a memory cap cannot apply
#   --launcher=PROGRAM     Q4 runs through PROGRAM, as a Windows build runs through Wine
#   --crlf                 Q4 ends its lines with CR LF, as on Windows
# A case that cannot run here exits 77, which CTest shows as skipped.
set -u
declare -A option=()
args=()
while [[ ${1:-} == --* ]]; do
    case ${1%%=*} in
    --arg) args+=("${1#*=}") ;;
    --stdin | --zeros | --hold | --nonblocking | --stdout | --file-size-cap | --inject | --memory-cap | \
        --line-writes | --tty | --rest | --sanitized | --launcher | --crlf) option[${1%%=*}]=${1#*=} ;;
    *) echo "check.sh: unknown option '$1'" >&2 && exit 2 ;;
    esac
    shift
done
q4=$1 input=$2 kind=$3 limit=10
skip() { echo "skipped: $1" && exit 77; }
[[ ! -v option[--memory-cap] || ! -v option[--sanitized] ]] ||
    skip "the sanitizers' shadow memory needs more address space than any cap allows"
[[ ! -v option[--inject] && ! -v option[--line-writes] ]] || reason=$(strace -o /dev/null true 2>&1) ||
    skip "strace cannot trace here: ${reason%%$'\n'*}"
[[ ! -v option[--tty] ]] || reason=$(script -qec true /dev/null 2>&1 < /dev/null) ||
    skip "script cannot make a terminal here: ${reason%%$'\n'*}"
declare -A beyond_launcher=([--inject]="strace would count the launcher's system calls"
    [--line-writes]="strace would count the launcher's system calls"
    [--memory-cap]="the launcher needs more address space than the cap"
    [--file-size-cap]="the launcher words a write past the file size limit its own way"
    [--nonblocking]="the launcher waits on a non-blocking pipe"
    [--tty]="the launcher draws a console of its own on a terminal")
for name in "${!option[@]}"; do
    [[ ! -v option[--launcher] || ! -v beyond_launcher[$name] ]] || skip "${beyond_launcher[$name]}"
done
[[ ! -v option[--launcher] || ! -d ${option[--stdin]:-} ]] || skip "the launcher words a directory read its own way"

# Each stream compared is a file of that name under expected/ and actual/.
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && mkdir "$dir/expected" "$dir/actual"
declare -A streams=([stdout]="standard output" [stderr]="standard error"
    [rest]="what is left of the input" [writes]="writes to file descriptors 1 and 2")
out=$dir/expected/stdout err=$dir/expected/stderr actual=$dir/actual && : > "$err"
prompts=("Enter values for first array:" "Enter values for second array:")
first_prompts() { for ((i = 0; i < $1; i++)); do echo "${prompts[i]}"; done; }
listing() { printf '\nThe union of the two arrays is:\n' && tr ' ' '\n' <<< "$1"; }
case $kind in
union) { first_prompts 2; listing "$4"; listing "$5"; } > "$out"; expected_status=0 ;;
fails)
    { first_prompts "$4"; for values in "${@:6}"; do listing "$values"; done; } > "$out"
    printf 'Q4: %s\n' "$5" > "$err"; expected_status=1 ;;
prints) printf '%b' "$4" > "$out"; expected_status=0
    [ $# -lt 5 ] || { printf 'Q4: %s\n' "$5" > "$err"; expected_status=1; } ;;
waits) first_prompts "$4" > "$out"; expected_status="still waiting for input"; option[--hold]= ;;
*) echo "check.sh: unknown kind '$kind'" >&2 && exit 2 ;;
esac
[[ ! -v option[--crlf] ]] || sed -i 's/$/\r/' "$out" "$err"
[[ ! -v option[--rest] ]] || printf '%b' "${option[--rest]}" > "$dir/expected/rest"

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
    command+=(-P /proc/self/fd/0 -P /proc/self/fd/1)
elif [[ -v option[--line-writes] ]]; then
    command+=(strace -o "$dir/trace" -e trace=write)
fi
# A sanitized build's leak check cannot work under strace; Q4 allocates nothing for it to find.
[[ ${command[*]} != *strace* ]] || command=(env ASAN_OPTIONS=detect_leaks=0 "${command[@]}")
[[ ! -v option[--memory-cap] ]] || command+=(prlimit --as=$((option[--memory-cap] * 1024)))
[[ ! -v option[--launcher] ]] || command+=("${option[--launcher]}")
command+=("$q4" "${args[@]}")
run() { timeout "$limit" "${command[@]}" <&3 2> "$actual/stderr"; }

if [ "$kind" = waits ]; then
    # Started on its own, the command is Q4's own process, which the poll watches and the exit
    # trap ends. Q4 waits once it sleeps with the prompts out (a launcher may sleep before).
    # Delays double from 10 ms, as in coreutils' retry_delay_, to $limit s in all.
    "${command[@]}" <&3 > "$actual/stdout" 2> "$actual/stderr" & pid=$!
    trap 'kill "$pid" 2> /dev/null; wait "$pid" 2> /dev/null; rm -rf "$dir"' EXIT
    for delay in 0 0.01 0.02 0.04 0.08 0.16 0.32 0.64 1.28 2.56 5.12; do
        sleep "$delay" && name='' state=''
        read -r _ name state _ 2> /dev/null < "/proc/$pid/stat" || break
        [[ $name != "(${q4##*/})" || $state != S ]] || ! cmp -s "$out" "$actual/stdout" || break
    done
    case $state in
    S) status=$expected_status ;;
    Z | '') wait "$pid"; status="exited with status $?" ;;
    *) status="still running after $limit s" ;;
    esac
elif [[ -v option[--tty] ]]; then
    # In the terminal that script makes, Q4 runs and then what was typed and not read is
    # taken without waiting, as the next reader would take it.
    printf -v child '%q ' "${command[@]}" && printf -v at %q "$actual"
    child+="2> $at/stderr; status=\$?; stty -icanon min 0 time 0; cat > $at/rest; exit \$status"
    timeout "$limit" script -qec "$child" --echo never /dev/null <&3 2> /dev/null | tr -d '\r' > "$actual/stdout"
    status=${PIPESTATUS[0]}
elif [[ -v option[--stdout] || -v option[--file-size-cap] || -v option[--inject] ]]; then
    run > "${option[--stdout]:-$actual/stdout}"; status=$?
else
    run | cat > "$actual/stdout"; status=${PIPESTATUS[0]}
fi
[[ ! -v option[--rest] || -v option[--tty] ]] || cat <&3 > "$actual/rest"
[ "$status" != 124 ] || status="124, a time-out after $limit s"
# strace names the paths that it resolved on standard error, which Q4 shares.
[[ ! -v option[--inject] ]] || sed -i '/^strace: Requested path /d' "$actual/stderr"
if [[ -v option[--line-writes] ]]; then
    # A listing's empty line and header go out with its first value.
    { grep -cv -e '^$' -e '^The union of the two arrays is:$' "$out" && wc -l < "$err"; } > "$dir/expected/writes"
    for fd in 1 2; do grep -c "^write($fd," "$dir/trace"; done > "$actual/writes"
fi

# A case fails when its report is not empty: the input, a unified diff of each stream that
# differs, and the exit status.
{
    for stream in stdout stderr rest writes; do
        [ -e "$dir/expected/$stream" ] || continue
        touch "$actual/$stream" && cmp -s "$dir/expected/$stream" "$actual/$stream" && continue
        echo "${streams[$stream]} differs:"
        diff -u --label expected --label actual "$dir/expected/$stream" "$actual/$stream"
    done
    [ "$status" = "$expected_status" ] || echo "exit status: expected $expected_status, actual $status"
} > "$dir/report"
[ -s "$dir/report" ] || exit 0
echo "input: ${option[--stdin]:-$(wc -c < "$dir/input") bytes, at most 1000 shown by cat -A:}"
[[ -v option[--stdin] ]] || { head -c 1000 "$dir/input" | cat -A && echo; }
cat "$dir/report" && exit 1
