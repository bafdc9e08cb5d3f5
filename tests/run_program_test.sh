#!/usr/bin/env bash
# Runs one whole-program case and compares what the program did with what the case expects.
# Usage: run_program_test.sh PROGRAM CASE_DIR [LAUNCHER ARGS...]
#
# A case folder may hold:
#   workdir/  files copied (links followed) into the fresh working directory of the run
#   stdin     the program's standard input (otherwise /dev/null)
#   stdout    the expected standard output, byte for byte
#   check     an executable run on the actual standard output instead of comparing it with stdout
#   stderr    the expected standard error (otherwise it must be empty)
#   status    the expected exit status (otherwise 0)
set -u
program=$1
case_dir=$2
shift 2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/run"
if [ -d "$case_dir/workdir" ]; then
    cp -RL "$case_dir/workdir/." "$scratch/run/"
    rm -f "$scratch/run/.keep"
fi
input=/dev/null
[ -f "$case_dir/stdin" ] && input=$case_dir/stdin

(cd "$scratch/run" && exec "$@" "$program") <"$input" >"$scratch/stdout" 2>"$scratch/stderr"
status=$?

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
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
if [ -x "$case_dir/check" ]; then
    "$case_dir/check" "$scratch/stdout" || failed=1
else
    same "standard output" "$case_dir/stdout" "$scratch/stdout"
fi
expected_stderr=/dev/null
[ -f "$case_dir/stderr" ] && expected_stderr=$case_dir/stderr
same "standard error" "$expected_stderr" "$scratch/stderr"
exit $failed
