// sort_timing's table and CSV.
#include "timingtext.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

namespace {

std::string column(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// "n^2.00", "2.1x": a figure for the table.
std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

constexpr std::size_t labelWidth = 13;  // the first column's

std::size_t widthOf(const Series* s) { return std::max<std::size_t>(s->sortName.size(), 9) + 2; }

// One block of the table: the rows of the given columns.
std::string block(const std::vector<const Series*>& shown, const std::vector<long>& sizes,
                  const Series* reference, long shared) {
    std::string out = column("n", labelWidth);
    for (const Series* s : shown) out += column(s->sortName, widthOf(s));
    out += '\n';
    for (long n : sizes) {
        out += column(std::to_string(n), labelWidth);
        for (const Series* s : shown) {
            const auto found = std::find_if(s->timings.begin(), s->timings.end(),
                                            [n](const Timing& t) { return t.n == n; });
            out += column(found != s->timings.end() ? duration(found->seconds) : "-", widthOf(s));
        }
        out += '\n';
    }
    out += column("growth", labelWidth);
    for (const Series* s : shown) {
        const std::optional<Growth> growth = judgedGrowth(s->timings);
        const std::string cell = !growth              ? "-"
                                 : !growth->supported ? "unsure"
                                                      : formatted("n^%.2f", growth->exponent);
        out += column(cell, widthOf(s));
    }
    out += '\n' + column("x " + (reference ? reference->sortName : std::string("-")), labelWidth);
    for (const Series* s : shown) {
        const std::optional<double> ratio =
            reference != nullptr ? timeRatio(*s, *reference, shared) : std::nullopt;
        out += column(ratio ? formatted(*ratio < 10 ? "%.2fx" : "%.0fx", *ratio) : "-", widthOf(s));
    }
    return out + '\n';
}

}  // namespace

std::string duration(double seconds) {
    const char* unit = "s";
    if (seconds < 1e-3) {
        seconds *= 1e6, unit = "us";
    } else if (seconds < 1) {
        seconds *= 1e3, unit = "ms";
    }
    char text[32];
    std::snprintf(text, sizeof text,
                  seconds < 10    ? "%.2f %s"
                  : seconds < 100 ? "%.1f %s"
                                  : "%.0f %s",
                  seconds, unit);
    return text;
}

std::string timingTable(const std::vector<Series>& all, const std::string& input, int repetitions,
                        const std::string& reference) {
    std::vector<const Series*> shown;
    std::vector<long> sizes;
    for (const Series& s : all) {
        if (s.input != input || s.fault) continue;
        shown.push_back(&s);
        std::transform(s.timings.begin(), s.timings.end(), std::back_inserter(sizes),
                       [](const Timing& t) { return t.n; });
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    const auto found = std::find_if(shown.begin(), shown.end(),
                                    [&](const Series* s) { return s->sortName == reference; });
    const Series* referenceSeries = found != shown.end() ? *found : nullptr;
    const long shared = sharedSize(shown);

    std::string out = "Time per sort on " + input + " input (best of " +
                      std::to_string(repetitions) + " rounds)\n";
    bool busy = false;
    for (auto first = shown.begin(); first != shown.end();) {
        std::size_t width = labelWidth;
        auto last = first;
        do {
            width += widthOf(*last++);
        } while (last != shown.end() && width + widthOf(*last) <= tableWidth);
        if (first != shown.begin()) out += '\n';
        out += block({first, last}, sizes, referenceSeries, shared);
        first = last;
    }
    for (const Series* s : shown) {
        const std::optional<Growth> growth = judgedGrowth(s->timings);
        busy = busy || (growth && !growth->supported);
    }
    out += "growth: time ~ n^k, k fitted (least squares, log-log) over each sort's last " +
           std::to_string(growthFitSizes) + " sizes\n";
    if (busy) {
        out +=
            "unsure: the rounds disagree on the growth by more than " +
            formatted("%.1f", growthAgreement) + ", a size lies more than " +
            formatted("%.0f%%", 100 * lineDeviation) + " off its line,\n        or it is below n^" +
            formatted("%.2f", slowestGrowth) +
            ", which no sort of n values can be: the machine was likely busy, so\n"
            "        close other programs and run again; or, over small sizes, the time does "
            "not yet grow\n        as one power of n (time larger ones: SORT_TIMING_LARGEST_N)\n";
    }
    out += "-: not timed: over a second there, or past the sort's cap in sortsToTime()\n";
    out += "x " + reference + ": the time over " + reference +
           "'s at n = " + std::to_string(shared) + ", the largest n every sort reached\n";
    out += "us: microseconds, written so because a Windows console may garble the micro sign\n\n";
    return out;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string timingCsv(const std::vector<Series>& all, const std::string& machine) {
    std::string csv = "sort,input,n,seconds_per_sort,cpu,compiler,build,system\n";
    for (const Series& s : all) {
        if (s.fault) continue;
        for (const Timing& t : s.timings) {
            csv += csvField(s.sortName) + "," + s.input + "," + std::to_string(t.n) + "," +
                   formatted("%.6g", t.seconds) + "," + machine + "\n";
        }
    }
    return csv;
}
