// sort_timing: times the project's sorts on this machine, on random and on sorted input, as n
// grows, and writes a table (standard output), sort_timing.csv and sort_timing.svg. Each time
// is the best of three rounds; a sort stops growing before it would take a second.
// SORT_TIMING_LARGEST_N in the environment caps n (1000000 unless set).
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "bubblepasses.h"
#include "kernels.h"
#include "machine.h"
#include "merge.h"
#include "plainpasses.h"
#include "quick.h"
#include "sorttiming.h"
#include "stdoutcheck.h"
#include "svgplot.h"
#include "systemerror.h"
#include "utf8path.h"

namespace {

const char* const program = "sort_timing";

std::vector<TimedSort> sortsToTime() {
    const std::string kernel = kernelName(chosenKernel());
    // Quick sort on sorted input recurses n deep: capped well below what a 1 MB stack
    // (Windows' default) holds.
    return {
        {"bubble (" + kernel + ")", "the bubble kernel",
         [](int* a, int n) { bubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"bubble (plain)", "the plain bubble loop",
         [](int* a, int n) { plainBubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"merge", "merge sort", [](int* a, int n) { mergeSort(a, 0, n - 1); }, 1'000'000,
         1'000'000},
        {"quick", "quick sort", [](int* a, int n) { quickSort(a, 0, n - 1); }, 1'000'000, 10'000},
        {"std::sort", "std::sort", [](int* a, int n) { std::sort(a, a + n); }, 1'000'000,
         1'000'000},
    };
}

long largestSize() {
    const char* text = std::getenv("SORT_TIMING_LARGEST_N");
    const long largest = text != nullptr ? std::strtol(text, nullptr, 10) : 1'000'000;
    return std::clamp(largest, 100L, 10'000'000L);
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

    std::cout << "Time per sort on " << input << " input (best of " << repetitions << " rounds)\n";
    std::cout << column("n", 8);
    for (const Series* s : shown) {
        std::cout << column(s->sort, std::max<std::size_t>(s->sort.size(), 9) + 2);
    }
    std::cout << '\n';
    for (long n : sizes) {
        std::cout << column(std::to_string(n), 8);
        for (const Series* s : shown) {
            const auto found = std::find_if(s->timings.begin(), s->timings.end(),
                                            [n](const Timing& t) { return t.n == n; });
            const std::size_t width = std::max<std::size_t>(s->sort.size(), 9) + 2;
            std::cout << column(found != s->timings.end() ? duration(found->seconds) : "-", width);
        }
        std::cout << '\n';
    }
    std::cout << column("growth", 8);
    for (const Series* s : shown) {
        const std::size_t width = std::max<std::size_t>(s->sort.size(), 9) + 2;
        std::string exponent = "-";
        if (s->timings.size() >= 2) {
            char text[16];
            std::snprintf(text, sizeof text, "n^%.2f",
                          growthExponent(s->timings[s->timings.size() - 2], s->timings.back()));
            exponent = text;
        }
        std::cout << column(exponent, width);
    }
    std::cout << "\n\n";
}

// One of the files the run writes. It is tried before the timing starts, so that a folder
// that cannot be written costs no timing, and written at the end.
class OutputFile {
  public:
    explicit OutputFile(const char* name) : name_(name), path_(absolutePath(name)) {}

    const std::string& path() const { return path_; }

    // Whether the file can be written, said on standard error when not. Leaves a file that is
    // there as it is, and makes an empty one where there was none.
    bool tryOpen() {
        std::error_code ignored;
        const bool existed = std::filesystem::exists(name_, ignored);
        const bool opens = open("ab") && close();
        made_ = opens && !existed;
        return opens;
    }

    // Removes the empty file that tryOpen made, if it did.
    void removeIfMade() const {
        std::error_code ignored;
        if (made_) std::filesystem::remove(name_, ignored);
    }

    // Writes the whole text in place of what the file held; false, said on standard error, if
    // that fails.
    bool write(const std::string& text) {
        if (!open("wb")) return false;
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
            fail();
            std::fclose(file_);
            return false;
        }
        return close();
    }

  private:
    static std::string absolutePath(const char* name) {
        std::error_code error;
        const std::filesystem::path path = std::filesystem::absolute(name, error);
        return error ? std::string(name) : utf8(path);
    }

    bool open(const char* mode) {
        std::error_code ignored;
        // Windows opens no folder and says only that access is refused: the same words on every
        // system.
        if (std::filesystem::is_directory(name_, ignored)) return fail(EISDIR);
        errno = 0;
        file_ = std::fopen(name_, mode);
        return file_ != nullptr || fail();
    }

    bool close() {
        errno = 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed || fail();
    }

    bool fail(int error = errno) const {
        std::cerr << program << ": " << path_ << ": cannot write the file: "
                  << (error != 0 ? systemErrorText(error) : "the system gave no reason") << '\n';
        return false;
    }

    const char* name_;
    std::string path_;
    std::FILE* file_ = nullptr;  // open only inside tryOpen and write
    bool made_ = false;
};

std::string csvOf(const std::vector<Series>& all) {
    std::string csv = "sort,input,n,seconds_per_sort\n";
    for (const Series& s : all) {
        for (const Timing& t : s.timings) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.6g", t.seconds);
            csv += s.sort + "," + s.input + "," + std::to_string(t.n) + "," + seconds + "\n";
        }
    }
    return csv;
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
    const std::vector<long> sizes = timingSizes(largestSize());
    const std::vector<TimedSort> sorts = sortsToTime();
    OutputFile csv("sort_timing.csv");
    OutputFile svg("sort_timing.svg");
    const bool csvOpens = csv.tryOpen();
    const bool svgOpens = svg.tryOpen();
    if (!csvOpens || !svgOpens) {
        csv.removeIfMade();
        svg.removeIfMade();
        return 1;
    }

    std::vector<Series> all;
    const int seriesCount = static_cast<int>(2 * sorts.size());
    std::string progress;
    for (bool sorted : {false, true}) {
        for (const TimedSort& sort : sorts) {
            Series series{sort.name, sorted ? "sorted" : "random", {}};
            const long cap = sorted ? sort.largestSorted : sort.largestRandom;
            for (long n : sizes) {
                if (n > cap || !takesTheNextSize(series, n, plan.limitSeconds)) break;
                const std::string line = "timing " + sort.what + " on " + series.input +
                                         " input, n = " + std::to_string(n) + " (series " +
                                         std::to_string(all.size() + 1) + " of " +
                                         std::to_string(seriesCount) + ")";
                std::cerr << '\r' << program << ": " << line
                          << std::string(
                                 progress.size() > line.size() ? progress.size() - line.size() : 0,
                                 ' ')
                          << std::flush;
                progress = line;
                series.timings.push_back({n, timeSort(sort.sort, n, sorted, plan)});
            }
            all.push_back(series);
        }
    }
    std::cerr << '\r' << program << ": done"
              << std::string(progress.size() > 4 ? progress.size() - 4 : 0, ' ') << '\n';

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
