// Timing the project's sorts: sizes, inputs, the stopping rule, the growth exponent and the
// clock.
#include "timingplan.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ctime>  // clock_gettime, where POSIX has it
#include <random>
#include <string>

std::vector<long> timingSizes(long largest) {
    std::vector<long> sizes;
    for (long decade = 100; decade <= largest; decade *= 10) {
        for (long step : {1, 2, 5}) {
            if (decade * step <= largest) sizes.push_back(decade * step);
        }
    }
    return sizes;
}

std::vector<int> timingInput(long n, bool sorted, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> values(static_cast<std::size_t>(n));
    std::generate(values.begin(), values.end(),
                  [&random] { return static_cast<int>(random() % 100000); });
    if (sorted) std::sort(values.begin(), values.end());
    return values;
}

double growthExponent(const Timing& smaller, const Timing& larger) {
    return std::log(larger.seconds / smaller.seconds) /
           std::log(static_cast<double>(larger.n) / static_cast<double>(smaller.n));
}

std::optional<double> fittedGrowth(const std::vector<Timing>& timings, int sizes) {
    const std::size_t count = std::min(timings.size(), static_cast<std::size_t>(sizes));
    if (count < 2) return std::nullopt;
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    for (std::size_t i = timings.size() - count; i < timings.size(); ++i) {
        const double x = std::log(static_cast<double>(timings[i].n));
        const double y = std::log(timings[i].seconds);
        sumX += x, sumY += y, sumXX += x * x, sumXY += x * y;
    }
    const auto k = static_cast<double>(count);
    return (k * sumXY - sumX * sumY) / (k * sumXX - sumX * sumX);
}

std::optional<Growth> judgedGrowth(const std::vector<Timing>& timings) {
    const std::optional<double> exponent = fittedGrowth(timings);
    if (!exponent) return std::nullopt;
    const std::size_t fitted = std::min<std::size_t>(timings.size(), growthFitSizes);
    const std::vector<Timing> last(timings.end() - static_cast<std::ptrdiff_t>(fitted),
                                   timings.end());
    const auto agrees = [&](double other) {
        return std::abs(other - *exponent) <= growthAgreement;
    };
    // Each round fitted alone: a burst of load in a round bends its own line.
    std::size_t rounds = last[0].rounds.size();
    for (const Timing& t : last) rounds = std::min(rounds, t.rounds.size());
    int agreeing = 0;
    for (std::size_t r = 0; r < rounds; ++r) {
        std::vector<Timing> round = last;
        for (Timing& t : round) t.seconds = t.rounds[r];
        agreeing += agrees(*fittedGrowth(round)) ? 1 : 0;
    }
    // Sizes off the line, every round of them slowed: their distance from it tells.
    double meanX = 0, meanY = 0;
    for (const Timing& t : last) {
        meanX += std::log(static_cast<double>(t.n)) / static_cast<double>(fitted);
        meanY += std::log(t.seconds) / static_cast<double>(fitted);
    }
    const bool onTheLine = std::all_of(last.begin(), last.end(), [&](const Timing& t) {
        const double line = meanY + *exponent * (std::log(static_cast<double>(t.n)) - meanX);
        return std::abs(std::expm1(std::log(t.seconds) - line)) <= lineDeviation;
    });
    return Growth{*exponent,
                  *exponent >= slowestGrowth && onTheLine && (rounds < 2 || agreeing >= 2)};
}

std::optional<double> timeRatio(const Series& series, const Series& reference, long n) {
    const auto at = [n](const Series& s) {
        return std::find_if(s.timings.begin(), s.timings.end(),
                            [n](const Timing& t) { return t.n == n; });
    };
    const auto mine = at(series), theirs = at(reference);
    if (mine == series.timings.end() || theirs == reference.timings.end()) return std::nullopt;
    return mine->seconds / theirs->seconds;
}

long sharedSize(const std::vector<const Series*>& series) {
    if (series.empty()) return 0;
    for (auto t = series[0]->timings.rbegin(); t != series[0]->timings.rend(); ++t) {
        const bool everywhere = std::all_of(series.begin(), series.end(), [t](const Series* s) {
            return std::any_of(s->timings.begin(), s->timings.end(),
                               [t](const Timing& other) { return other.n == t->n; });
        });
        if (everywhere) return t->n;
    }
    return 0;
}

std::optional<long> largestSizeSetting(const char* text) {
    if (text == nullptr) return 1'000'000;
    const char* at = text;
    while (*at == ' ' || *at == '\t') ++at;
    long value = 0;
    const char* digits = at;
    for (; *at >= '0' && *at <= '9'; ++at) {
        value = value * 10 + (*at - '0');
        if (value > 1'000'000) return std::nullopt;
    }
    if (at == digits) return std::nullopt;
    while (*at == ' ' || *at == '\t') ++at;
    if (*at != '\0' || value < 100) return std::nullopt;
    return value;
}

bool takesTheNextSize(const Series& series, long next, double limitSeconds) {
    const std::vector<Timing>& done = series.timings;
    if (done.empty()) return true;
    double exponent = 2;
    if (done.size() >= 2) exponent = growthExponent(done[done.size() - 2], done.back());
    exponent = std::max(exponent, 1.0);  // small sizes can look flatter than the sort is
    const double foreseen =
        done.back().seconds * std::pow(static_cast<double>(next) / done.back().n, exponent);
    return foreseen <= limitSeconds;
}

double steadySeconds() {
    const std::chrono::duration<double> since = std::chrono::steady_clock::now().time_since_epoch();
    return since.count();
}

double cpuSeconds() {
#if defined(CLOCK_THREAD_CPUTIME_ID) && !defined(_WIN32)  // MinGW's counts in Windows' steps
    timespec now{};
    static const bool counts = clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0;
    if (counts && clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0) {
        return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
    }
#endif
    return steadySeconds();
}

SizeRounds::SizeRounds(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan)
    : sort_(&sort), n_(n), sorted_(sorted), plan_(&plan) {
    const double once = std::max(timeRound(1), 1e-9);
    // Enough copies to fill a round, within a few megabytes of them.
    const long fitting = std::max(1L, 2'000'000L / std::max(n, 1L));
    count_ = std::clamp(static_cast<long>(std::ceil(plan.roundSeconds / once)), 1L, fitting);
    if (count_ == 1 || fault_) {
        times_.push_back(once);
    } else {
        round();
    }
}

void SizeRounds::round() { times_.push_back(timeRound(count_)); }

Timing SizeRounds::best() const {
    return {n_, *std::min_element(times_.begin(), times_.end()), times_};
}

namespace {

// What a multiset of values adds up to, whatever their order: a sort that loses, doubles or
// changes a value changes it (but for a chance of one in 2^64).
std::uint64_t fingerprint(const int* values, int len) {
    std::uint64_t sum = 0;
    for (int i = 0; i < len; ++i) {
        std::uint64_t x = static_cast<std::uint32_t>(values[i]) + 0x9e3779b97f4a7c15u;
        x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;  // splitmix64's finaliser
        x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
        sum += x ^ (x >> 31);
    }
    return sum;
}

}  // namespace

double SizeRounds::timeRound(long count) {
    const int len = static_cast<int>(n_);
    std::vector<int> copies(static_cast<std::size_t>(count) * static_cast<std::size_t>(len));
    for (long i = 0; i < count; ++i) {
        const std::vector<int> input = timingInput(n_, sorted_, static_cast<unsigned>(i + 1));
        std::copy(input.begin(), input.end(), copies.begin() + i * len);
    }
    const std::uint64_t before = fingerprint(copies.data(), len);
    const double start = plan_->clock();
    for (long i = 0; i < count; ++i) (*sort_)(copies.data() + i * len, len);
    const double took = plan_->clock() - start;

    // The first array against std::sort's: sorted, and the same values; where not, std::sort
    // of the same input names the first slot that differs.
    const bool sorts = std::is_sorted(copies.begin(), copies.begin() + len) &&
                       fingerprint(copies.data(), len) == before;
    if (!sorts && !fault_) {
        std::vector<int> expected = timingInput(n_, sorted_, 1);
        std::sort(expected.begin(), expected.end());
        const auto wrong = std::mismatch(expected.begin(), expected.end(), copies.begin());
        const long slot = wrong.first - expected.begin();
        fault_ = SortFault{sorted_ ? "sorted" : "random", n_, slot,
                           wrong.first != expected.end() ? *wrong.second : 0,
                           wrong.first != expected.end() ? *wrong.first : 0};
    }
    return took / static_cast<double>(count);
}

double timeSort(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan) {
    SizeRounds rounds(sort, n, sorted, plan);
    while (rounds.rounds() < plan.repetitions) rounds.round();
    return rounds.best().seconds;
}

std::vector<Series> timeAll(const std::vector<TimedSort>& sorts, const std::vector<long>& sizes,
                            const TimingPlan& plan,
                            const std::function<void(const std::string&)>& progress) {
    struct Timed {
        Series series;
        const TimedSort* sort;
        std::vector<SizeRounds> sizes;
    };
    std::vector<Timed> all;
    const std::size_t seriesCount = 2 * sorts.size();
    const auto say = [&](const Timed& t, long n, const std::string& stage) {
        progress(stage + "timing " + t.sort->progressLabel + " on " + t.series.input +
                 " input, n = " + std::to_string(n) + " (series " +
                 std::to_string(&t - all.data() + 1) + " of " + std::to_string(seriesCount) + ")");
    };
    all.reserve(seriesCount);
    // The first round of each size, as far as the stopping rule lets each sort grow.
    for (bool sorted : {false, true}) {
        for (const TimedSort& sort : sorts) {
            Timed& t =
                all.emplace_back(Timed{{sort.name, sorted ? "sorted" : "random", {}}, &sort, {}});
            const long cap = sorted ? sort.largestSorted : sort.largestRandom;
            for (long n : sizes) {
                if (n > cap) break;
                if (!takesTheNextSize(t.series, n, plan.limitSeconds)) {
                    // A first round slowed once (a burst of load, or code run for the first
                    // time, which valgrind translates on the clock) must not end the growth:
                    // take the last size's second round now, and ask again on its best.
                    if (t.sizes.empty() || t.sizes.back().rounds() >= plan.repetitions) break;
                    t.sizes.back().round();
                    t.series.timings.back() = t.sizes.back().best();
                    if (!takesTheNextSize(t.series, n, plan.limitSeconds)) break;
                }
                say(t, n, "");
                const SizeRounds& size = t.sizes.emplace_back(sort.run, n, sorted, plan);
                if (size.fault()) break;
                t.series.timings.push_back(size.best());
            }
        }
    }
    const auto faulty = [](const Timed& t) {
        return std::any_of(t.sizes.begin(), t.sizes.end(),
                           [](const SizeRounds& size) { return size.fault().has_value(); });
    };
    // The other rounds, each across every size of every sort.
    for (int round = 2; round <= plan.repetitions; ++round) {
        const std::string stage =
            "round " + std::to_string(round) + " of " + std::to_string(plan.repetitions) + ": ";
        for (Timed& t : all) {
            for (SizeRounds& size : t.sizes) {
                if (faulty(t)) break;
                if (size.rounds() >= round) continue;  // taken early, for the stopping rule
                say(t, size.n(), stage);
                size.round();
            }
        }
    }
    // One round more at the fitted sizes where the rounds disagree on the growth.
    for (Timed& t : all) {
        std::vector<Timing> timings(t.sizes.size());
        std::transform(t.sizes.begin(), t.sizes.end(), timings.begin(),
                       [](const SizeRounds& size) { return size.best(); });
        const std::optional<Growth> growth = judgedGrowth(timings);
        if (faulty(t) || !growth || growth->supported) continue;
        const std::size_t fitted = std::min<std::size_t>(t.sizes.size(), growthFitSizes);
        for (auto size = t.sizes.end() - static_cast<std::ptrdiff_t>(fitted); size != t.sizes.end();
             ++size) {
            say(t, size->n(), "a round more: ");
            size->round();
        }
    }
    std::vector<Series> result;
    for (Timed& t : all) {
        t.series.timings.clear();
        for (const SizeRounds& size : t.sizes) {
            if (size.fault()) t.series.fault = size.fault();
            t.series.timings.push_back(size.best());
        }
        result.push_back(t.series);
    }
    // A sort that failed on one input is left out on both: its other times are of a sort that
    // does not work.
    for (Series& s : result) {
        for (const Series& other : result) {
            if (!s.fault && other.sortName == s.sortName && other.fault) s.fault = other.fault;
        }
        if (s.fault) s.timings.clear();
    }
    return result;
}
