// Bubble passes: the plain loop against each kernel this machine runs, in compare-exchanges
// per nanosecond and, on x86-64, per clock cycle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "bubblepasses.h"

namespace {

using Nanoseconds = std::chrono::duration<double, std::nano>;

#if defined(__x86_64__)
// Clock cycles per nanosecond, timed on a chain of dependent one-cycle adds right after each
// benchmark: the clock of a shared machine drifts.
double cyclesPerNanosecond() {
    constexpr long rounds = 10'000'000;
    long x = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < rounds; ++i) {
        asm volatile(  // ten in a row, so that the loop's own work hides behind them
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\t"
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0"
            : "+r"(x));
    }
    const Nanoseconds took = std::chrono::steady_clock::now() - start;
    return 10.0 * rounds / took.count();
}
#endif

// Times each sort on its own (the copy of the data is not timed) and reports compare-exchanges
// per nanosecond and per cycle as plain figures.
template <typename Sort>
void measure(benchmark::State& state, Sort sort) {
    const int len = static_cast<int>(state.range(0));
    std::mt19937 random(1);
    std::vector<int> data(len);
    std::generate(data.begin(), data.end(),
                  [&random] { return static_cast<int>(random() % 100000); });
    double nanoseconds = 0;
    for (auto _ : state) {
        std::vector<int> work = data;
        const auto start = std::chrono::steady_clock::now();
        sort(work.data(), len, len - 1);
        benchmark::DoNotOptimize(work.data());
        const Nanoseconds took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count() / 1e9);
        nanoseconds += took.count();
    }
    const double perNanosecond = double(len - 1) * (len - 1) * state.iterations() / nanoseconds;
    state.counters["CE/ns"] = perNanosecond;
#if defined(__x86_64__)
    state.counters["CE/cycle"] = perNanosecond / cyclesPerNanosecond();
#endif
}

void plain(benchmark::State& state) { measure(state, plainBubblePasses); }

void kernel(benchmark::State& state, PassKernel which) {
    if (!kernelRunsHere(which)) {
        state.SkipWithError("this machine does not run this kernel");
        return;
    }
    measure(state,
            [which](int* arr, int len, int passes) { bubblePasses(which, arr, len, passes); });
}

int registerAll() {
    benchmark::RegisterBenchmark("plain", plain)
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    for (PassKernel which : {PassKernel::avx512, PassKernel::avx2, PassKernel::fallback}) {
        const std::string name = std::string("kernel/") + kernelName(which);
        benchmark::RegisterBenchmark(name.c_str(), kernel, which)
            ->Arg(100)
            ->Arg(1000)
            ->Arg(10000)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int registered = registerAll();

}  // namespace

BENCHMARK_MAIN();
