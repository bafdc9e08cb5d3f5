// Timing the project's sorts on this machine: the sizes, how long each sort takes, when a sort
// stops growing, and how its time grows with n.
#pragma once

#include <functional>
#include <string>
#include <vector>

// One sort of the array arr[0..len).
using SortFunction = std::function<void(int* arr, int len)>;

struct TimedSort {
    std::string name;  // in the table and the picture: "merge", "bubble (avx512)"
    std::string what;  // in the progress line, the same on every CPU: "the bubble kernel"
    SortFunction sort;
    long largestRandom;  // the largest n timed on random input
    long largestSorted;  // and on sorted input: quick sort recurses n deep there
};

// Seconds per sort at one n.
struct Timing {
    long n;
    double seconds;
};

// One sort on one input, as n grows.
struct Series {
    std::string sort;
    std::string input;  // "random" or "sorted"
    std::vector<Timing> timings;
};

// 100, 200, 500, 1000, ... up to `largest`: even steps on a log scale.
std::vector<long> timingSizes(long largest);

// The same values for every sort: random ints from 0 to 99999, a set of them for each seed,
// or those values ascending.
std::vector<int> timingInput(long n, bool sorted, unsigned seed = 1);

// Whether the sort takes the next size: the time there, foreseen from the last by the growth
// measured so far (n² before there is any), stays within the limit.
bool takesTheNextSize(const Series& series, long next, double limitSeconds);

// The exponent k in time ~ n^k between two timings: 2 for a quadratic sort.
double growthExponent(const Timing& smaller, const Timing& larger);

// How a series is timed: best of `repetitions`, each sorting fresh copies for at least
// `roundSeconds`.
struct TimingPlan {
    int repetitions = 3;
    double roundSeconds = 0.01;
    double limitSeconds = 1.0;  // a sort stops growing once it would take longer
};

// The best time per sort of `sort` on inputs of n values, over the plan's repetitions. A round
// that sorts many arrays gives each its own values (seeds 1, 2, ...): a CPU that saw the same
// few thousand values sorted again and again would learn their branches, and sort faster
// than any new input lets it.
double timeSort(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan);
