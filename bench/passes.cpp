// Bubble passes: the plain loop against each kernel this machine runs, in compare-exchanges
// per nanosecond and, on x86-64, per clock cycle.
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

#include "bubblepasses.h"

namespace {

// Clock cycles per nanosecond, timed on a chain of dependent one-cycle adds.
double cyclesPerNanosecond() {
#if defined(__x86_64__)
    static const double measured = [] {
        constexpr long adds = 400'000'000;
        long x = 0;
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < adds; ++i) asm volatile("add $1, %0" : "+r"(x));
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        return adds / took.count();
    }();
    return measured;
#else
    return 0;
#endif
}

// Times each sort on its own (the copy of the data is not timed) and reports compare-exchanges
// per nanosecond and per cycle as plain figures.
template <typename Sort>
void measure(benchmark::State& state, Sort sort) {
    const int len = static_cast<int>(state.range(0));
    std::mt19937 random(1);
    std::vector<int> data(len);
    for (int& v : data) v = static_cast<int>(random() % 100000);
    std::vector<int> work(len);
    double nanoseconds = 0;
    for (auto _ : state) {
        work = data;
        const auto start = std::chrono::steady_clock::now();
        sort(work.data(), len, len - 1);
        benchmark::DoNotOptimize(work.data());
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count() / 1e9);
        nanoseconds += took.count();
    }
    const double perNanosecond = double(len - 1) * (len - 1) * state.iterations() / nanoseconds;
    state.counters["CE/ns"] = perNanosecond;
    if (cyclesPerNanosecond() > 0)
        state.counters["CE/cycle"] = perNanosecond / cyclesPerNanosecond();
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

const PassKernel kernels[] = {PassKernel::avx512, PassKernel::avx2, PassKernel::fallback};

int registerAll() {
    benchmark::RegisterBenchmark("plain", plain)
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->Unit(benchmark::kMicrosecond);
    for (PassKernel which : kernels) {
        benchmark::RegisterBenchmark((std::string("kernel/") + kernelName(which)).c_str(), kernel,
                                     which)
            ->Arg(100)
            ->Arg(1000)
            ->Arg(10000)
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int registered = registerAll();

}  // namespace

BENCHMARK_MAIN();
