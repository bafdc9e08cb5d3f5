#!/usr/bin/env bash
# How bubble-sort time grows with n: times one sort per size for the plain loop (built with
# g++ -O2 and with clang++ -O2) and for every kernel this CPU runs, then writes the figures
# to growth.csv and draws growth.png in OUT_DIR.
# Usage: bench/growth.sh [OUT_DIR [FIRST:LAST:STEP [MIN_SECONDS]]]
#        (defaults: bench, 100:10000:300, 0.2 s of sorting per size and variant)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-bench}
sizes=${2:-100:10000:300}
min_time=${3:-0.2}
mkdir -p "$out" build/growth

presets=(default)
if command -v clang++ >/dev/null; then
    presets+=(clang)
else
    echo "clang++ not found: skipping the clang rows" >&2
fi
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target passes_benchmark >/dev/null
done
run() {  # run PRESET FILTER: the benchmark's figures as JSON
    "build/$1/bin/passes_benchmark" --sizes="$sizes" --benchmark_filter="$2" \
        --benchmark_min_time="$min_time" --benchmark_format=json \
        --benchmark_out=build/growth/$1.json --benchmark_out_format=json >/dev/null
}
run default '^(plain|kernel)/'
results=(build/growth/default.json)
if [[ " ${presets[*]} " == *" clang "* ]]; then
    run clang '^plain'
    results+=(build/growth/clang.json)
fi
. bench/python.sh
"$python" bench/growth.py "${results[@]}" "$out"
