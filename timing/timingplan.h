// Timing the project's sorts on this machine: the plan (the sizes, when a sort stops growing)
// and the clock, and what the times say (how a sort's time grows with n, how it compares).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One sort of the array arr[0..len).
using SortFunction = std::function<void(int* arr, int len)>;

struct TimedSort {
    std::string name;           // in the table and the picture: "merge", "bubble (avx512)"
    std::string progressLabel;  // in the progress line, the same on every CPU: "merge sort"
    SortFunction run;
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
    std::string sortName;  // a TimedSort's name
    std::string input;     // "random" or "sorted"
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

// How many of a series' last sizes its growth is fitted over: a decade of the 1-2-5 steps.
constexpr int growthFitSizes = 4;

// The exponent k in time ~ n^k over the last `sizes` timings (all, where there are fewer): the
// least-squares slope of log time against log n. Nothing with fewer than two timings.
std::optional<double> fittedGrowth(const std::vector<Timing>& timings, int sizes = growthFitSizes);

// A series' time over another's at the largest n both timed, and that n; nothing where they
// share no n.
struct Ratio {
    double times;
    long n;
};
std::optional<Ratio> timeRatio(const Series& series, const Series& reference);

// The largest n to time, from SORT_TIMING_LARGEST_N's text: a whole number from 100 to
// 1000000, blanks around it allowed; nothing for anything else. No text: 1000000.
std::optional<long> largestSizeSetting(const char* text);

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
