// sort_timing: times the project's sorts on this machine, on random and on sorted input, as n
// grows, and writes a table (standard output), sort_timing.csv and sort_timing.svg. Each time
// is the best of three rounds; a sort stops growing before it would take a second.
// SORT_TIMING_LARGEST_N in the environment caps n (100 to 1000000; 1000000 unless set). On a
// terminal, a progress line on standard error says what is being timed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "bubblepasses.h"
#include "kernels.h"
#include "machine.h"
#include "merge.h"
#include "outputfile.h"
#include "plainpasses.h"
#include "quick.h"
#include "selection.h"
#include "stdoutcheck.h"
#include "svgplot.h"
#include "timingplan.h"

namespace {

const char* const program = "sort_timing";
const char* const referenceSort = "std::sort";  // the one the others are measured against

// The sorts timed, in the table's order. To time a sort of your own, add a line: its name in the
// table, its name in the progress line, a call that sorts a[0..n), and the largest n to time on
// random and on sorted input (1'000'000: as far as the one-second limit lets it go).
std::vector<TimedSort> sortsToTime() {
    const std::string kernel = kernelName(chosenKernel());
    return {
        {"bubble (" + kernel + ")", "the bubble kernel",
         [](int* a, int n) { bubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"bubble (plain)", "the plain bubble loop",
         [](int* a, int n) { plainBubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"selection", "selection sort", [](int* a, int n) { selectionSort(a, n); }, 1'000'000,
         1'000'000},
        {"merge", "merge sort", [](int* a, int n) { mergeSort(a, 0, n - 1); }, 1'000'000,
         1'000'000},
        // On sorted input quick sort recurses n deep: capped well below what a 1 MB stack
        // (Windows' default) holds.
        {"quick", "quick sort", [](int* a, int n) { quickSort(a, 0, n - 1); }, 1'000'000, 10'000},
        {"std::sort", "std::sort", [](int* a, int n) { std::sort(a, a + n); }, 1'000'000,
         1'000'000},
    };
}

// "2.10 us", "13.4 ms", "1.02 s": three figures and a unit.
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

std::string column(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// "n^2.00", "2.1x": a figure for the table.
std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void printTable(const std::vector<Series>& all, const std::string& input, int repetitions) {
    std::vector<const Series*> shown;
    std::vector<long> sizes;
    for (const Series& s : all) {
        if (s.input != input) continue;
        shown.push_back(&s);
        std::transform(s.timings.begin(), s.timings.end(), std::back_inserter(sizes),
                       [](const Timing& t) { return t.n; });
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    const auto reference = std::find_if(
        shown.begin(), shown.end(), [](const Series* s) { return s->sortName == referenceSort; });
    const auto width = [](const Series* s) {
        return std::max<std::size_t>(s->sortName.size(), 9) + 2;
    };
    const std::size_t labels = 13;  // the first column's width

    std::cout << "Time per sort on " << input << " input (best of " << repetitions << " rounds)\n";
    std::cout << column("n", labels);
    for (const Series* s : shown) std::cout << column(s->sortName, width(s));
    std::cout << '\n';
    for (long n : sizes) {
        std::cout << column(std::to_string(n), labels);
        for (const Series* s : shown) {
            const auto found = std::find_if(s->timings.begin(), s->timings.end(),
                                            [n](const Timing& t) { return t.n == n; });
            std::cout << column(found != s->timings.end() ? duration(found->seconds) : "-",
                                width(s));
        }
        std::cout << '\n';
    }
    std::cout << column("growth", labels);
    for (const Series* s : shown) {
        const std::optional<double> growth = fittedGrowth(s->timings);
        std::cout << column(growth ? formatted("n^%.2f", *growth) : "-", width(s));
    }
    std::cout << '\n' << column("x " + std::string(referenceSort), labels);
    for (const Series* s : shown) {
        const std::optional<Ratio> ratio =
            reference != shown.end() ? timeRatio(*s, **reference) : std::nullopt;
        std::cout << column(
            ratio ? formatted(ratio->times < 10 ? "%.2fx" : "%.0fx", ratio->times) : "-", width(s));
    }
    std::cout << "\n"
              << "growth: time ~ n^k, k fitted (least squares, log-log) over each sort's last "
              << growthFitSizes << " sizes\n"
              << "-: not timed: over a second there, or past the sort's cap in sortsToTime()\n"
              << "x " << referenceSort << ": the time over " << referenceSort
              << "'s, at the largest n both took\n\n";
}

// A CSV field, quoted where it holds a comma, a quote or a line end.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// One row per timing, each naming the machine, so that files from two machines can be set
// side by side in one sheet.
std::string csvOf(const std::vector<Series>& all) {
    const std::string machine = csvField(cpuName()) + "," + csvField(compilerName()) + "," +
                                (isOptimisedBuild() ? "optimised" : "Debug") + "," +
                                csvField(systemName());
    std::string csv = "sort,input,n,seconds_per_sort,cpu,compiler,build,system\n";
    for (const Series& s : all) {
        for (const Timing& t : s.timings) {
            csv += csvField(s.sortName) + "," + s.input + "," + std::to_string(t.n) + "," +
                   formatted("%.6g", t.seconds) + "," + machine + "\n";
        }
    }
    return csv;
}

// Whether standard error is a terminal, where a progress line rewritten in place reads well;
// a file or a pipe gets none.
bool progressShows() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

}  // namespace

int main() {
    checkStandardOutputAtExit(program);
    const auto started = std::chrono::steady_clock::now();
    const TimingPlan plan;
    if (!isOptimisedBuild()) {
        std::cerr << program
                  << ": warning: this is a Debug build, not optimised: its times say "
                     "little of the sorts; build Release to time them\n";
    }
    const std::optional<long> largest = largestSizeSetting(std::getenv("SORT_TIMING_LARGEST_N"));
    if (!largest) {
        std::cerr << program << ": SORT_TIMING_LARGEST_N=\"" << std::getenv("SORT_TIMING_LARGEST_N")
                  << "\" is not a whole number from 100 to 1000000\n";
        return 1;
    }
    const std::vector<long> sizes = timingSizes(*largest);
    const std::vector<TimedSort> sorts = sortsToTime();
    OutputFile csv(program, "sort_timing.csv");
    OutputFile svg(program, "sort_timing.svg");
    const bool csvOpens = csv.tryOpen();
    const bool svgOpens = svg.tryOpen();
    if (!csvOpens || !svgOpens) {
        csv.removeIfMade();
        svg.removeIfMade();
        return 1;
    }

    std::vector<Series> all;
    const int seriesCount = static_cast<int>(2 * sorts.size());
    const bool showProgress = progressShows();
    std::string progress;  // the line on show, which the next one overwrites
    const auto show = [&](const std::string& line) {
        if (!showProgress) return;
        const std::size_t blanks =
            progress.size() > line.size() ? progress.size() - line.size() : 0;
        std::cerr << '\r' << program << ": " << line << std::string(blanks, ' ') << std::flush;
        progress = line;
    };
    for (bool sorted : {false, true}) {
        for (const TimedSort& sort : sorts) {
            Series series{sort.name, sorted ? "sorted" : "random", {}};
            const long cap = sorted ? sort.largestSorted : sort.largestRandom;
            for (long n : sizes) {
                if (n > cap || !takesTheNextSize(series, n, plan.limitSeconds)) break;
                show("timing " + sort.progressLabel + " on " + series.input +
                     " input, n = " + std::to_string(n) + " (series " +
                     std::to_string(all.size() + 1) + " of " + std::to_string(seriesCount) + ")");
                series.timings.push_back({n, timeSort(sort.run, n, sorted, plan)});
            }
            all.push_back(series);
        }
    }
    if (showProgress) {
        show("done");
        std::cerr << '\n';
    }

    for (const char* input : {"random", "sorted"}) printTable(all, input, plan.repetitions);
    const std::string title = "Time per sort: " + cpuName() + ", " + compilerName() +
                              ", bubble kernel " + kernelName(chosenKernel()) +
                              (isOptimisedBuild() ? "" : " (Debug build: not representative)");
    // Each file on its own: one that fails does not cost the other.
    const bool csvWritten = csv.write(csvOf(all));
    const bool svgWritten = svg.write(timingSvg(all, title));
    if (!csvWritten || !svgWritten) return 1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << title << "\nWrote " << csv.path() << " and " << svg.path() << " (the timing took "
              << duration(took.count()) << ").\n";
    return 0;
}
