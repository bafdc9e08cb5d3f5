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

// Seconds per sort at one n: the best round's, and every round's in the order they ran.
struct Timing {
    long n;
    double seconds;
    std::vector<double> rounds = {};
};

// Where a sort left an array other than std::sort leaves it: the first slot that differs.
struct SortFault {
    std::string input;  // "random" or "sorted"
    long n;
    long slot;
    int found;     // what the slot held
    int expected;  // what std::sort puts there
};

// One sort on one input, as n grows.
struct Series {
    std::string sortName;  // a TimedSort's name
    std::string input;     // "random" or "sorted"
    std::vector<Timing> timings;
    // Set where the sort did not sort, on this input or the other: the series is shown nowhere.
    std::optional<SortFault> fault = std::nullopt;
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

// When the rounds do not support a growth: fewer than two rounds whose own times, fitted alone,
// give an exponent within growthAgreement of the best times' (a burst of load in a round), or
// a fitted size whose best time lies more than lineDeviation off the fitted line (sizes whose
// every round was slowed, or a time that does not yet grow as one power of n).
// And a growth slower than n^slowestGrowth, which no sort of n values can show: each value
// must at least be read.
constexpr double growthAgreement = 0.1;
constexpr double lineDeviation = 0.12;
constexpr double slowestGrowth = 0.95;

// The exponent k in time ~ n^k over the last `sizes` timings (all, where there are fewer): the
// least-squares slope of log time against log n. Nothing with fewer than two timings.
std::optional<double> fittedGrowth(const std::vector<Timing>& timings, int sizes = growthFitSizes);

// The exponent fitted over the last sizes, and whether the rounds support it (see
// growthAgreement); nothing with fewer than two timings.
struct Growth {
    double exponent;
    bool supported;
};
std::optional<Growth> judgedGrowth(const std::vector<Timing>& timings);

// A series' time over another's at n, where both timed it.
std::optional<double> timeRatio(const Series& series, const Series& reference, long n);

// The largest n that every series timed; 0 where they share none.
long sharedSize(const std::vector<const Series*>& series);

// The largest n to time, from SORT_TIMING_LARGEST_N's text: a whole number from 100 to
// 1000000, blanks around it allowed; nothing for anything else. No text: 1000000.
std::optional<long> largestSizeSetting(const char* text);

// The clock: seconds since some fixed moment. A test gives its own.
using Clock = double (*)();
double steadySeconds();
// The CPU time this thread has run, where the system counts it finely (Linux, macOS, any
// POSIX system): while other programs take turns on the CPU, it stands still, so a busy
// laptop slows the sorts' times far less than it slows the wall clock. Elsewhere (Windows,
// whose thread times move in steps of about 16 ms) the steady clock.
double cpuSeconds();

// How a series is timed: best of `repetitions`, each sorting fresh copies for at least
// `roundSeconds`; and one round more at the fitted sizes where the rounds disagree.
struct TimingPlan {
    int repetitions = 3;
    double roundSeconds = 0.01;
    double limitSeconds = 1.0;  // a sort stops growing once it would take longer
    Clock clock = cpuSeconds;
};

// The rounds of one sort at one n. A round sorts as many arrays as fill roundSeconds, each with
// its own values (seeds 1, 2, ...; a CPU that saw the same few thousand values sorted again and
// again would learn their branches, and sort faster than any new input lets it), made before
// the clock starts; after it stops, the round's first array is checked against std::sort.
class SizeRounds {
  public:
    // Sizes the rounds by one sort of one array, which is the first round where one array
    // fills a round.
    SizeRounds(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan);
    void round();
    long n() const { return n_; }
    int rounds() const { return static_cast<int>(times_.size()); }
    Timing best() const;
    const std::optional<SortFault>& fault() const { return fault_; }

  private:
    double timeRound(long count);

    const SortFunction* sort_;
    long n_;
    bool sorted_;
    const TimingPlan* plan_;
    long count_ = 1;
    std::vector<double> times_;
    std::optional<SortFault> fault_;
};

// The best time per sort of `sort` on inputs of n values, over the plan's repetitions.
double timeSort(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan);

// Every sort on random and then sorted input, as far as each goes: a first round at each size
// in turn, which the stopping rule reads (takesTheNextSize; where it says stop, on the best of
// the last size's first two rounds, lest one slow round stop it), then the other rounds taking
// turns across all sizes and sorts, so that a burst of load weighs on one round of many sizes
// rather than on every round of one size; then, where the rounds disagree on the growth, one round
// more at the fitted sizes. A sort that does not sort stops at once, its fault noted.
// `progress` hears what is timed.
std::vector<Series> timeAll(const std::vector<TimedSort>& sorts, const std::vector<long>& sizes,
                            const TimingPlan& plan,
                            const std::function<void(const std::string&)>& progress);
