#!/usr/bin/env bash
# Times whole bubble_bench runs on the default data set, side by side and interleaved: the
# kernel build against the plain loop, each built with g++ and with clang++ (-O2).
# Usage: bench/compare_whole_runs.sh [ROUNDS]    (default 5 rounds; ratios of the fastest runs)
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

# The fastest run is the one the shared machine disturbed least; the median is shown beside it.
fastest() { tr ' ' '\n' | grep . | sort -n | head -n 1; }
median() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
kernel=$(echo "${times[default/bin/bubble_bench]}" | fastest)
printf '%-28s %10s %10s %10s\n' "whole run ($rounds rounds)" "fastest s" "median s" "ratio"
for run in "${runs[@]}"; do
    best=$(echo "${times[$run]}" | fastest)
    middle=$(echo "${times[$run]}" | median)
    label=${run/default\//g++ }
    label=${label/clang\//clang++ }
    awk -v l="${label/bin\//}" -v best="$best" -v middle="$middle" -v k="$kernel" \
        'BEGIN {printf "%-28s %10.3f %10.3f %9.1fx\n", l, best / 1e6, middle / 1e6, best / k}'
done
