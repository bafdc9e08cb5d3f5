#!/usr/bin/env bash
# How the project's sorts compare as n grows: runs sorts_benchmark (g++ -O2, the default
# preset), then writes sorts.csv and draws sorts.png in OUT_DIR.
# Usage: bench/compare.sh [OUT_DIR [MIN_SECONDS [FILTER]]]
#        (defaults: bench, 0.1 s of sorting per size and sort, every sort and size)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-bench}
min_time=${2:-0.1}
filter=${3:-.}
mkdir -p "$out" build/compare

cmake --preset default >/dev/null
cmake --build --preset default --target sorts_benchmark >/dev/null
build/default/bin/sorts_benchmark --benchmark_min_time="$min_time" --benchmark_filter="$filter" \
    --benchmark_out=build/compare/sorts.json --benchmark_out_format=json \
    >/dev/null 2>build/compare/sorts.log || { cat build/compare/sorts.log; exit 1; }
. bench/python.sh
"$python" bench/compare.py build/compare/sorts.json "$out"
