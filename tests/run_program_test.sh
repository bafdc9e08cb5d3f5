#!/usr/bin/env bash
# Runs one whole-program case and compares what the program did with what the case expects.
# Usage: run_program_test.sh [--stdout full|closed] PROGRAM CASE_DIR [LAUNCHER ARGS...]
# LAUNCHER runs the program: valgrind, or a cross build's emulator (qemu, wine).
#
# A case folder may hold:
#   workdir/      files copied (links followed) into the fresh working directory of the run
#   prepare       an executable run in that directory first, to make files too large to keep
#   stdin         the program's standard input (otherwise /dev/null)
#   stdout        the expected standard output, byte for byte
#   check         an executable run on the actual standard output instead of comparing it
#   stderr        the expected standard error (otherwise it must be empty); the text WORKDIR
#                 in it stands for the working directory of the run
#   status        the expected exit status (otherwise 0)
#   failing_new   SIZE:NTH, for a test-only build whose NTH allocation of SIZE bytes fails
#                 (FAIL_ALLOCATION_OF in the program's environment)
#   linux_only    the case needs Linux (its /proc, say): skipped, status 77, for PROGRAM.exe
#   memory_limit  an address-space limit for the program in KiB (ulimit -v), on Linux; not
#                 applied under a launcher or when MEMORY_LIMITS=off (sanitizers reserve more)
#
# A Windows program (PROGRAM.exe) writes its lines ending in CR LF, as Windows programs do:
# its output is compared with the line feeds alone, and WORKDIR also stands for the working
# directory as Windows names it under wine (Z:\...).
# --stdout full or closed runs the case with standard output on /dev/full or closed instead:
# the program must then say "PROGRAM: standard output: <reason>" alone and exit with 1.
set -u
stdout_mode=
if [ "$1" = --stdout ]; then
    stdout_mode=$2
    shift 2
fi
program=$1
case_dir=$2
shift 2
if [[ $program == *.exe ]] && [ -f "$case_dir/linux_only" ]; then
    echo "skipped: the case needs Linux"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/run"
run_dir=$(cd "$scratch/run" && pwd -P)
if [ -d "$case_dir/workdir" ]; then
    cp -RL "$case_dir/workdir/." "$run_dir/"
    rm -f "$run_dir/.keep"
fi
if [ -x "$case_dir/prepare" ]; then
    (cd "$run_dir" && "$case_dir/prepare") || { echo "prepare failed"; exit 1; }
fi
input=/dev/null
[ -f "$case_dir/stdin" ] && input=$case_dir/stdin
limit=unlimited
if [ -f "$case_dir/memory_limit" ] && [ $# -eq 0 ] && [ "${MEMORY_LIMITS:-on}" != off ] &&
    [ "$(uname)" = Linux ]; then
    limit=$(cat "$case_dir/memory_limit")
fi

[ -f "$case_dir/failing_new" ] && export FAIL_ALLOCATION_OF=$(cat "$case_dir/failing_new")
run() { (cd "$run_dir" && ulimit -v "$limit" && exec "$@" "$program") <"$input"; }
case $stdout_mode in
    full) run "$@" >/dev/full 2>"$scratch/stderr" ;;
    closed) run "$@" >&- 2>"$scratch/stderr" ;;
    *) run "$@" >"$scratch/stdout" 2>"$scratch/stderr" ;;
esac
status=$?
if [[ $program == *.exe ]]; then
    for stream in stdout stderr; do
        [ -f "$scratch/$stream" ] && sed -i 's/\r$//' "$scratch/$stream"
    done
fi

failed=0
same() {  # same WHAT EXPECTED ACTUAL
    if ! cmp -s "$2" "$3"; then
        echo "$1 differs from $2 (--- expected, +++ actual):"
        diff -u "$2" "$3" | head -n 40
        failed=1
    fi
}

expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")
expected_stderr=/dev/null
[ -f "$case_dir/stderr" ] && expected_stderr=$case_dir/stderr
if [ -n "$stdout_mode" ]; then
    expected_status=1
    expected_stderr=$scratch/expected_stderr
    reason="No space left on device"
    [ "$stdout_mode" = closed ] && reason="Bad file descriptor"
    echo "$(basename "$program"): standard output: $reason" >"$expected_stderr"
elif [ -x "$case_dir/check" ]; then
    "$case_dir/check" "$scratch/stdout" || failed=1
else
    same "standard output" "$case_dir/stdout" "$scratch/stdout"
fi
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
here=$run_dir
[[ $program == *.exe ]] && here="Z:${run_dir//\//\\\\}"
sed "s|WORKDIR|$here|g" "$expected_stderr" >"$scratch/expected_stderr_here"
same "standard error" "$scratch/expected_stderr_here" "$scratch/stderr"
exit $failed
