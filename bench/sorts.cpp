// The project's sorts side by side: time per sort against n, on random and on sorted input,
// for bubble sort (the plain loop and the kernel this CPU runs), merge sort, quick sort and
// std::sort as the library's reference. bench/compare.sh draws the figure.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bubblepasses.h"
#include "kernels.h"
#include "merge.h"
#include "plainpasses.h"
#include "quick.h"

namespace {

using Sort = std::function<void(int* arr, int len)>;

struct Contender {
    const char* name;
    Sort sort;
    int64_t largestRandom;  // the quadratic sorts stop near a second per sort
    int64_t largestSorted;
};

// Quick sort with last-element pivots recurses n deep on sorted input: capped well below
// what a 1 MB stack (Windows' default) holds.
const Contender contenders[] = {
    {"bubble_plain", [](int* a, int n) { plainBubblePasses(a, n, n - 1); }, 20'000, 20'000},
    {"bubble_kernel", [](int* a, int n) { bubblePasses(a, n, n - 1); }, 200'000, 200'000},
    {"merge", [](int* a, int n) { mergeSort(a, 0, n - 1); }, 1'000'000, 1'000'000},
    {"quick", [](int* a, int n) { quickSort(a, 0, n - 1); }, 1'000'000, 10'000},
    {"std_sort", [](int* a, int n) { std::sort(a, a + n); }, 1'000'000, 1'000'000},
};

const int64_t sizes[] = {100,    200,    500,     1000,    2000,    5000,     10'000,
                         20'000, 50'000, 100'000, 200'000, 500'000, 1'000'000};

// The same values for every sort: random ints 0 to 99999, or those values ascending.
std::vector<int> inputOf(int len, bool sorted) {
    std::mt19937 random(1);
    std::vector<int> data(len);
    std::generate(data.begin(), data.end(),
                  [&random] { return static_cast<int>(random() % 100000); });
    if (sorted) std::sort(data.begin(), data.end());
    return data;
}

void timeSort(benchmark::State& state, const Sort& sort, bool sorted) {
    const int len = static_cast<int>(state.range(0));
    const std::vector<int> data = inputOf(len, sorted);
    for (auto _ : state) {
        std::vector<int> work = data;  // the copy is not timed
        const auto start = std::chrono::steady_clock::now();
        sort(work.data(), len);
        benchmark::DoNotOptimize(work.data());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (bool sorted : {false, true}) {
        for (const Contender& c : contenders) {
            const std::string name = std::string(sorted ? "sorted/" : "random/") + c.name;
            auto* benchmark = benchmark::RegisterBenchmark(
                name.c_str(), [&c, sorted](benchmark::State& s) { timeSort(s, c.sort, sorted); });
            for (int64_t n : sizes) {
                if (n <= (sorted ? c.largestSorted : c.largestRandom)) benchmark->Arg(n);
            }
            benchmark->UseManualTime()->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::AddCustomContext("kernel", kernelName(chosenKernel()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
