// Timing the project's sorts: sizes, inputs, the stopping rule, the growth exponent and the
// clock.
#include "timingplan.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

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

std::optional<Ratio> timeRatio(const Series& series, const Series& reference) {
    for (auto t = series.timings.rbegin(); t != series.timings.rend(); ++t) {
        const auto r = std::find_if(reference.timings.begin(), reference.timings.end(),
                                    [t](const Timing& other) { return other.n == t->n; });
        if (r != reference.timings.end()) return Ratio{t->seconds / r->seconds, t->n};
    }
    return std::nullopt;
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

double timeSort(const SortFunction& sort, long n, bool sorted, const TimingPlan& plan) {
    using Clock = std::chrono::steady_clock;
    const int len = static_cast<int>(n);
    // Sorts `count` arrays, made before the clock starts; seconds per sort.
    const auto round = [&](long count) {
        std::vector<int> copies(static_cast<std::size_t>(count) * static_cast<std::size_t>(len));
        for (long i = 0; i < count; ++i) {
            const std::vector<int> input = timingInput(n, sorted, static_cast<unsigned>(i + 1));
            std::copy(input.begin(), input.end(), copies.begin() + i * len);
        }
        const Clock::time_point start = Clock::now();
        for (long i = 0; i < count; ++i) sort(copies.data() + i * len, len);
        const std::chrono::duration<double> took = Clock::now() - start;
        return took.count() / static_cast<double>(count);
    };
    const double once = std::max(round(1), 1e-9);
    // Enough copies to fill a round, within a few megabytes of them.
    const long fitting = std::max(1L, 2'000'000L / std::max(len, 1));
    const long count =
        std::clamp(static_cast<long>(std::ceil(plan.roundSeconds / once)), 1L, fitting);
    double best = count == 1 ? once : round(count);
    for (int repetition = 1; repetition < plan.repetitions; ++repetition) {
        best = std::min(best, round(count));
    }
    return best;
}
