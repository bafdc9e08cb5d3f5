// Bubble passes: the plain loop against each kernel this machine runs, in compare-exchanges
// per nanosecond and, on x86-64, per clock cycle; and bubble_bench's whole workload with each
// kernel and with the one the dispatch picks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bubblepasses.h"
#include "kernels.h"
#include "plainpasses.h"

namespace {

using Nanoseconds = std::chrono::duration<double, std::nano>;

#if defined(__x86_64__)
// Clock cycles per nanosecond, timed on a chain of dependent one-cycle adds right after each
// benchmark: the clock of a shared machine drifts. Register adds, not adds of a constant: newer
// Intel cores fold chains of those at renaming and would report several times the clock.
double cyclesPerNanosecond() {
    constexpr long rounds = 10'000'000;
    long x = 1;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < rounds; ++i) {
        asm volatile(  // ten in a row, so that the loop's own work hides behind them
            "add %0, %0\n\tadd %0, %0\n\tadd %0, %0\n\tadd %0, %0\n\tadd %0, %0\n\t"
            "add %0, %0\n\tadd %0, %0\n\tadd %0, %0\n\tadd %0, %0\n\tadd %0, %0"
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

void plain(benchmark::State& state) { measure(state, plainBubblePasses<int>); }

void kernel(benchmark::State& state, PassKernel which) {
    state.SetLabel(kernelRow(which).label);
    measure(state,
            [which](int* arr, int len, int passes) { bubblePasses(which, arr, len, passes); });
}

// bubble_bench's 100 trials, sorts of the first 100, 200, ..., 10000 values of its data set
// (make_dataset 1 10000: the same generator and seed), with one kernel or, given none, with
// the one the dispatch picks.
void workload(benchmark::State& state, const PassKernel* which) {
    std::mt19937 random(1);
    std::vector<int> data(10000);
    std::generate(data.begin(), data.end(),
                  [&random] { return static_cast<int>(random() % 100000); });
    for (auto _ : state) {
        for (int len = 100; len <= 10000; len += 100) {
            std::vector<int> trial(data.begin(), data.begin() + len);
            if (which != nullptr) {
                bubblePasses(*which, trial.data(), len, len - 1);
            } else {
                bubblePasses(trial.data(), len, len - 1);
            }
            benchmark::DoNotOptimize(trial.data());
        }
    }
}

// The sizes to sort: 100, 1000 and 10000 unless --sizes=FIRST:LAST:STEP says otherwise.
std::vector<int64_t> sizesFrom(int& argc, char** argv) {
    std::vector<int64_t> sizes = {100, 1000, 10000};
    const std::string flag = "--sizes=";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, flag.size(), flag) != 0) continue;
        std::istringstream in(arg.substr(flag.size()));
        int64_t first = 0, last = 0, step = 0;
        char colon1 = 0, colon2 = 0;
        if (!(in >> first >> colon1 >> last >> colon2 >> step) || colon1 != ':' || colon2 != ':' ||
            first < 2 || step < 1 || last < first) {
            std::cerr << "passes_benchmark: " << arg << ": expected --sizes=FIRST:LAST:STEP\n";
            std::exit(1);
        }
        sizes.clear();
        for (int64_t n = first; n <= last; n += step) sizes.push_back(n);
        std::copy(argv + i + 1, argv + argc, argv + i);  // the rest is the library's
        --argc;
        break;
    }
    return sizes;
}

void registerAll(const std::vector<int64_t>& sizes) {
    const auto each = [&sizes](benchmark::internal::Benchmark* benchmark) {
        for (int64_t n : sizes) benchmark->Arg(n);
        benchmark->UseManualTime()->Unit(benchmark::kMicrosecond);
    };
    each(benchmark::RegisterBenchmark("plain", plain));
    for (const PassKernel& which : allKernels) {
        if (!kernelRunsHere(which)) continue;  // only what this machine runs
        const std::string name = std::string("kernel/") + kernelName(which);
        each(benchmark::RegisterBenchmark(name.c_str(), kernel, which));
    }
    for (const PassKernel& which : allKernels) {
        if (!kernelRunsHere(which)) continue;
        const std::string name = std::string("workload/") + kernelName(which);
        benchmark::RegisterBenchmark(name.c_str(), workload, &which)->Unit(benchmark::kMillisecond);
    }
    const std::string picked =
        std::string("workload/dispatch (") + kernelName(chosenKernel()) + ")";
    benchmark::RegisterBenchmark(picked.c_str(), workload, nullptr)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    registerAll(sizesFrom(argc, argv));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
