#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Q4 for a case of tests/CMakeLists.txt whose options need more than files for its
# streams: leaves what Q4 printed on each stream, its status, and what the options ask to
# compare under CASE/actual, or prints "skipped: REASON" and exits 77 where a tool cannot
# serve the case. COMMAND runs Q4, on CASE/input, with the arguments in CASE/args, one a
# line. Needs bash 3.2 and POSIX utilities.   check.sh [OPTION]... CASE COMMAND...
set -u
zeros=0 hold='' nonblocking='' wait='' rest='' tty='' inject='' writes='' cap='' stdout='' errors='' status=''
while [ "${1#--}" != "$1" ]; do
    case $1 in
    --zeros=*) zeros=${1#*=} ;;
    --hold) hold=1 ;;
    --nonblocking) hold=1 nonblocking=1 ;;
    --wait) hold=1 wait=1 ;;
    --rest) rest=1 ;;
    --tty) hold=1 tty=1 ;;
    --inject=*) inject=${1#*=} && inject=${inject/#write:/write,writev:} ;;
    --line-writes) writes=1 ;;
    --memory-cap=*) cap=--as=$((${1#*=} * 1024)) ;;
    --file-size-cap=*) cap=--fsize=${1#*=} && trap '' XFSZ ;;
    --stdout=*) stdout=${1#*=} ;;
    *) echo "check.sh: unknown option '$1'" >&2 && exit 2 ;;
    esac
    shift
done
case=$1 actual=$1/actual limit=10 && shift
while IFS= read -r arg; do set -- "$@" "$arg"; done < "$case/args"
skip() { echo "skipped: $1" && exit 77; }
[ -z "$inject$writes" ] || why=$(strace -o /dev/null true 2>&1) || skip "strace cannot trace here: $why"
[ -z "$cap" ] || why=$(prlimit "$cap" true 2>&1) || skip "prlimit cannot cap here: $why"
[ -z "$tty" ] || why=$(script -qec true /dev/null 2>&1 < /dev/null) || skip "script makes no terminal here: $why"

# The input is a file, or a pipe that the case holds open at 4: a writer opens it for a
# moment, so that the read end opens at once, and the input is in it before Q4 starts.
{ head -c "$zeros" /dev/zero | tr '\0' 0 && cat "$case/input"; } > "$actual/input"
exec 3< "$actual/input"
if [ -n "$hold" ]; then
    mkfifo "$actual/pipe" && { : > "$actual/pipe" & } && exec 3< "$actual/pipe"
    exec 4> "$actual/pipe" && cat "$actual/input" >&4
    [ -z "$nonblocking" ] || dd iflag=nonblock count=0 status=none <&3 2> /dev/null || skip "dd sets no O_NONBLOCK here"
fi

# The command that runs Q4, under the fault or in the cap that the options ask for; strace
# traces Q4's writes too, and a fault only where Q4 uses its standard streams. A sanitized
# build's leak check cannot work under strace; Q4 allocates nothing for it to find.
command=()
[ -z "$cap" ] || command+=(prlimit "$cap")
[ -z "$inject$writes" ] || command+=(env ASAN_OPTIONS=detect_leaks=0 strace -o "$actual/trace"
    -e "trace=write,writev${inject:+,${inject%%:*}}")
[ -z "$inject" ] || command+=(-e inject="$inject" -P /proc/self/fd/0 -P /proc/self/fd/1 -P /proc/self/fd/2)
command+=("$@")
if [ -n "$tty" ]; then
    # In the terminal that script makes, with line ends left as they are, Q4 runs and then
    # what was typed and not read is taken without waiting, as the next reader would take it.
    printf -v child '%q ' "${command[@]}" && printf -v at %q "$actual"
    child="stty -onlcr; $child"
    [ -z "$stdout" ] || child+="> $(printf %q "$stdout") "
    child+="2> $at/stderr; status=\$?; stty -icanon min 0 time 0; cat > $at/rest; exit \$status"
    command=(script -qec "$child" --echo never /dev/null) stdout='' errors=/dev/null
fi

# poll [prompts]: waits until Q4 has ended, or with "prompts" until it has printed what
# the case expects, at delays that double from 10 ms to $limit s in all; fails if neither.
poll() {
    for delay in 0 0.01 0.02 0.04 0.08 0.16 0.32 0.64 1.28 2.56 5.12; do
        sleep "$delay"
        kill -0 "$pid" 2> /dev/null || return 0
        [ $# -eq 0 ] || ! cmp -s "$case/expected/stdout" "$actual/stdout" || return 0
    done
    return 1
}
"${command[@]}" <&3 4>&- > "${stdout:-$actual/stdout}" 2> "${errors:-$actual/stderr}" & pid=$!
trap 'kill "$pid" 2> /dev/null; rm -f "$actual/input"' EXIT
if [ -n "$wait" ]; then
    poll prompts || status="still running, without its prompts, after $limit s"
    kill -0 "$pid" 2> /dev/null || status="ended before its input did"
    exec 4>&-
fi
poll || { status="still running after $limit s" && kill "$pid"; }
wait "$pid"
status=${status:-$?}
exec 4>&-
[ -z "$rest" ] || [ -n "$tty" ] || cat <&3 > "$actual/rest"
[ -z "$writes" ] || printf %s,%s "$(grep -Ec '^writev?\(1,' "$actual/trace")" \
    "$(grep -Ec '^writev?\(2,' "$actual/trace")" > "$actual/line-writes"
printf %s "$status" > "$actual/status"
