#!/usr/bin/env bash
# Times whole bubble_bench runs on the default data set, side by side and interleaved: the
# kernel build against the plain loop, each built with g++ and with clang++ (-O2).
# Usage: bench/compare_whole_runs.sh [ROUNDS]    (prints the median of ROUNDS runs, default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}

for preset in default clang; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target bubble_bench bubble_bench_plain make_dataset >/dev/null
done

runs=(default/bin/bubble_bench clang/bin/bubble_bench
      default/bin/bubble_bench_plain clang/bin/bubble_bench_plain)
declare -A times
for ((round = 0; round < rounds; ++round)); do
    for run in "${runs[@]}"; do
        cd "build/$(dirname "$run")"
        start=${EPOCHREALTIME/./}
        "./$(basename "$run")" >/dev/null
        times[$run]+="$((${EPOCHREALTIME/./} - start)) "
        cd - >/dev/null
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
kernel=$(echo "${times[default/bin/bubble_bench]}" | median)
printf '%-32s %12s %10s\n' "whole run (median of $rounds)" "seconds" "ratio"
for run in "${runs[@]}"; do
    us=$(echo "${times[$run]}" | median)
    label=${run/default\//g++ }
    label=${label/clang\//clang++ }
    awk -v l="${label/bin\//}" -v us="$us" -v k="$kernel" \
        'BEGIN {printf "%-32s %12.3f %9.1fx\n", l, us / 1e6, us / k}'
done
