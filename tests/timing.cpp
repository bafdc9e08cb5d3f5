// sort_timing's parts that need no clock: sizes, the stopping rule, the growth exponent, the
// log axes, the SVG's structure and the CPU's name as Linux gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cpuinfo.h"
#include "machine.h"
#include "svgplot.h"
#include "timingplan.h"

namespace {

TEST(TimingSizes, stepOneTwoFivePerDecadeUpToTheLargest) {
    EXPECT_EQ(timingSizes(1000), (std::vector<long>{100, 200, 500, 1000}));
    EXPECT_EQ(timingSizes(4999), (std::vector<long>{100, 200, 500, 1000, 2000}));
    EXPECT_EQ(timingSizes(100), (std::vector<long>{100}));
}

TEST(GrowthExponent, isTheSlopeOnLogLogAxes) {
    struct {
        Timing smaller, larger;
        double exponent;
    } const cases[] = {
        {{100, 1e-3}, {1000, 1e-1}, 2.0},   // quadratic
        {{1000, 2e-3}, {2000, 4e-3}, 1.0},  // linear
        {{500, 5e-3}, {1000, 5e-3}, 0.0},   // flat
        {{1000, 1e-3},
         {10000, 1e-3 * 10 * std::log(10000.0) / std::log(1000.0)},
         1 + std::log10(4.0 / 3.0)},  // n log n
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(growthExponent(c.smaller, c.larger), c.exponent, 1e-9) << c.larger.n;
    }
}

TEST(TakesTheNextSize, onlyWhereTheForeseenTimeStaysWithinTheLimit) {
    struct {
        std::vector<Timing> done;
        long next;
        bool takes;
    } const cases[] = {
        {{}, 100, true},                              // nothing timed yet
        {{{5000, 0.2}}, 10000, true},                 // n² foreseen: 0.8 s
        {{{5000, 0.3}}, 10000, false},                // 1.2 s
        {{{1000, 0.01}, {2000, 0.02}}, 50000, true},  // linear so far: 0.5 s
        {{{1000, 0.01}, {2000, 0.08}}, 5000, false},  // cubic so far: 1.25 s
        {{{1000, 0.8}, {2000, 0.5}}, 5000, false},    // looks faster: taken to grow as n
    };
    for (const auto& c : cases) {
        const Series series{"sort", "random", c.done};
        EXPECT_EQ(takesTheNextSize(series, c.next, 1.0), c.takes) << c.next;
    }
}

TEST(LogAxis, mapsWholeDecadesOntoThePixels) {
    const LogAxis axis = logAxis(150, 2e5, 0, 400);
    EXPECT_EQ(axis.lowPower, 2);
    EXPECT_EQ(axis.highPower, 6);
    EXPECT_DOUBLE_EQ(axis.pixel(100), 0);
    EXPECT_DOUBLE_EQ(axis.pixel(1e4), 200);
    EXPECT_DOUBLE_EQ(axis.pixel(1e6), 400);
    EXPECT_EQ(decadeTicks(axis), (std::vector<double>{1e2, 1e3, 1e4, 1e5, 1e6}));

    const LogAxis upward = logAxis(1e-6, 1e-3, 480, 60);  // time: up the page
    EXPECT_DOUBLE_EQ(upward.pixel(1e-6), 480);
    EXPECT_DOUBLE_EQ(upward.pixel(1e-3), 60);
    EXPECT_EQ(logAxis(100, 100, 0, 1).highPower, 3);  // one value still spans a decade
    EXPECT_EQ(logAxis(100, 1000, 0, 1).highPower, 3);
}

// Whether the text is well-formed XML as far as this picture goes: tags that open and close
// in order, quoted attributes, and no bare < or & in text.
std::string xmlProblem(const std::string& xml) {
    std::vector<std::string> open;
    std::size_t at = 0;
    while ((at = xml.find_first_of("<&", at)) != std::string::npos) {
        if (xml[at] == '&') {
            const std::size_t end = xml.find(';', at);
            if (end == std::string::npos || end - at > 6) {
                return "a bare & at " + std::to_string(at);
            }
            at = end;
            continue;
        }
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) return "an unclosed tag";
        const std::string tag = xml.substr(at + 1, end - at - 1);
        at = end;
        if (tag.empty()) return "an empty tag";
        if (tag[0] == '?') continue;
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) {
                return "</" + tag.substr(1) + "> out of order";
            }
            open.pop_back();
            continue;
        }
        if (std::count(tag.begin(), tag.end(), '"') % 2 != 0 ||
            tag.find('<') != std::string::npos) {
            return "<" + tag + ">";
        }
        if (tag.back() != '/') open.push_back(tag.substr(0, tag.find(' ')));
    }
    return open.empty() ? "" : "<" + open.back() + "> never closed";
}

// Every "<name ...>" tag in the text, in order.
std::vector<std::string> tags(const std::string& svg, const std::string& name) {
    std::vector<std::string> found;
    for (std::size_t at = 0; (at = svg.find("<" + name + " ", at)) != std::string::npos; ++at) {
        found.push_back(svg.substr(at, svg.find('>', at) - at + 1));
    }
    return found;
}

// An attribute's number in a tag: x="12.5" gives 12.5.
double attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(" " + name + "=\"");
    return at == std::string::npos ? std::nan("") : std::stod(tag.substr(at + name.size() + 3));
}

// The last point of a polyline tag.
std::pair<double, double> lastPoint(const std::string& tag) {
    const std::size_t start = tag.find("points=\"") + 8;
    std::istringstream points(tag.substr(start, tag.find('"', start) - start));
    std::string point;
    std::pair<double, double> last{std::nan(""), std::nan("")};
    while (points >> point) {
        last = {std::stod(point), std::stod(point.substr(point.find(',') + 1))};
    }
    return last;
}

TEST(TimingSvg, isWellFormedWithALineAndALegendEntryPerSeries) {
    const std::vector<Series> series = {
        {"bubble (avx2)", "random", {{100, 2e-6}, {1000, 2e-4}}},
        {"std::sort", "sorted", {{100, 1e-7}, {1000, 1.2e-6}, {10000, 1.5e-5}}},
        {"quick", "sorted", {}},  // stopped before its first size
    };
    const std::string svg = timingSvg(series, "Time per sort: A & B <CPU>, g++ 12.2");
    EXPECT_EQ(xmlProblem(svg), "");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0U);
    EXPECT_EQ(tags(svg, "polyline class=\"series\"").size(), series.size());
    for (const char* legend : {">bubble (avx2), random</text>", ">std::sort, sorted</text>",
                               ">quick, sorted</text>", ">n²</text>", ">n log n</text>"}) {
        EXPECT_NE(svg.find(legend), std::string::npos) << legend;
    }
    EXPECT_NE(svg.find("A &amp; B &lt;CPU&gt;"), std::string::npos);
    EXPECT_EQ(xmlProblem("<svg><g></svg></g>"), "</svg> out of order");  // the checker checks
}

// A marker on every point, so that a series of one point, which draws no line, still shows;
// and each guide's label at the end of its line, inside the frame.
TEST(TimingSvg, marksEveryPointAndLabelsEachGuideWhereItEnds) {
    for (const std::vector<Series>& series : std::vector<std::vector<Series>>{
             {{"merge", "random", {{100, 3e-6}}}, {"merge", "sorted", {{100, 1e-6}}}},
             {{"bubble (plain)", "random", {{100, 1e-5}, {1000, 1e-3}, {10000, 0.1}}},
              {"std::sort", "random", {{100, 1e-6}, {1000, 1.4e-5}, {10000, 1.9e-4}}}},
         }) {
        const std::string svg = timingSvg(series, "t");
        const std::size_t points = std::accumulate(
            series.begin(), series.end(), std::size_t{0},
            [](std::size_t sum, const Series& s) { return sum + s.timings.size(); });
        // The legend shows one marker a series too.
        EXPECT_EQ(tags(svg, "circle").size() + tags(svg, "rect class=\"marker\"").size(),
                  points + series.size());
        const std::string frame = tags(svg, "rect class=\"frame\"").at(0);
        const double left = attribute(frame, "x"), top = attribute(frame, "y");
        const double right = left + attribute(frame, "width");
        const double bottom = top + attribute(frame, "height");
        const std::vector<std::string> guides = tags(svg, "polyline class=\"guide\"");
        const std::vector<std::string> labels = tags(svg, "text class=\"guide-label\"");
        ASSERT_EQ(guides.size(), 2u);
        ASSERT_EQ(labels.size(), 2u);
        for (std::size_t i = 0; i < guides.size(); ++i) {
            const auto [x, y] = lastPoint(guides[i]);
            const double labelX = attribute(labels[i], "x"), labelY = attribute(labels[i], "y");
            EXPECT_TRUE(left < labelX && labelX <= right && top < labelY && labelY <= bottom)
                << labels[i];
            EXPECT_NEAR(labelX, std::clamp(x, left + 40, right), 45) << labels[i];
            EXPECT_NEAR(labelY, std::clamp(y, top + 14, bottom), 20) << labels[i];
        }
    }
}

// The guides start below the fastest time at the smallest n, so that they run under the data.
TEST(GuideAnchor, startsBelowTheFastestFirstPoint) {
    const std::vector<Series> series = {
        {"a", "random", {{200, 5e-6}, {500, 3e-5}}},
        {"b", "sorted", {{100, 2e-6}, {1000, 1e-4}}},
        {"c", "sorted", {{100, 8e-7}}},
    };
    const GuideAnchor anchor = guideAnchor(series);
    EXPECT_EQ(anchor.n, 100);
    EXPECT_DOUBLE_EQ(anchor.seconds, 8e-7 / guideOffset);
    EXPECT_EQ(anchor.nLast, 1000);
}

// The exponent fitted over the last sizes: exact for power laws, a little above 1 for n log n
// with the noise of a shared machine.
TEST(FittedGrowth, findsThePowerOfTheLastSizes) {
    const auto series = [](double (*time)(double)) {
        const std::vector<long> sizes = timingSizes(1'000'000);
        std::vector<Timing> timings(sizes.size());
        std::transform(sizes.begin(), sizes.end(), timings.begin(), [time](long n) {
            return Timing{n, time(static_cast<double>(n))};
        });
        return timings;
    };
    EXPECT_NEAR(*fittedGrowth(series([](double n) { return 1e-9 * n * n; })), 2.0, 1e-9);
    EXPECT_NEAR(*fittedGrowth(series([](double n) { return 3e-8 * n; })), 1.0, 1e-9);
    // Quadratic up to the last decade and flat before: only the last sizes count.
    EXPECT_NEAR(*fittedGrowth(series([](double n) { return n < 1e5 ? 1e-3 : 1e-13 * n * n; })), 2.0,
                1e-9);
    std::mt19937 random(4);
    std::uniform_real_distribution<double> noise(0.95, 1.05);
    for (int round = 0; round < 20; ++round) {
        std::vector<Timing> timings = series([](double n) { return 1e-8 * n * std::log(n); });
        for (Timing& t : timings) t.seconds *= noise(random);
        const double k = *fittedGrowth(timings);
        EXPECT_TRUE(k > 1.0 && k < 1.2) << k;
    }
    EXPECT_FALSE(fittedGrowth({{100, 1e-6}}));
    EXPECT_NEAR(*fittedGrowth({{100, 1e-6}, {200, 4e-6}}), 2.0, 1e-9);  // two: that slope
}

TEST(TimeRatio, comparesAtTheLargestSharedSize) {
    const Series reference{"std::sort", "random", {{100, 1e-6}, {1000, 1e-5}, {10000, 2e-4}}};
    const Series bubble{"bubble", "random", {{100, 2e-6}, {1000, 3e-4}}};
    const std::optional<Ratio> ratio = timeRatio(bubble, reference);
    ASSERT_TRUE(ratio);
    EXPECT_DOUBLE_EQ(ratio->times, 30);
    EXPECT_EQ(ratio->n, 1000);
    EXPECT_FALSE(timeRatio(Series{"quick", "sorted", {{500, 1e-5}}}, reference));
}

TEST(LargestSizeSetting, takesAWholeNumberFrom100To1000000) {
    const std::pair<const char*, std::optional<long>> cases[] = {
        {nullptr, 1'000'000},
        {"100", 100},
        {" 2000 ", 2000},
        {"1000000", 1'000'000},
        {"99", std::nullopt},
        {"1000001", std::nullopt},
        {"", std::nullopt},
        {"1e5", std::nullopt},
        {"-500", std::nullopt},
        {"abc", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(largestSizeSetting(text), expected) << (text ? text : "(unset)");
    }
}

// x86 names itself; ARM64 gives codes for its maker and core, which the title spells out.
TEST(CpuNameFromCpuinfo, takesTheModelNameOrSpellsOutArmsCodes) {
    const std::string arm = "processor\t: 0\nBogoMIPS\t: 50.00\nFeatures\t: fp asimd\n";
    const struct {
        std::string cpuinfo;
        const char* name;
    } cases[] = {
        {"processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Xeon(R) Gold  \n",
         "Intel(R) Xeon(R) Gold"},
        {arm + "CPU implementer\t: 0x41\nCPU architecture: 8\nCPU part\t: 0xd0c\n",
         "Arm Neoverse-N1"},
        {arm + "CPU implementer\t: 0x41\nCPU part\t: 0xD4F\n", "Arm Neoverse-V2"},
        {arm + "CPU implementer\t: 0x41\nCPU part\t: 0xfff\n",
         "Arm CPU (implementer 0x41, part 0xfff)"},
        {arm + "CPU implementer\t: 0x61\nCPU part\t: 0x022\n",
         "Apple CPU (implementer 0x61, part 0x022)"},
        {arm + "CPU implementer\t: 0x99\nCPU part\t: 0x001\n",
         "ARM CPU (implementer 0x99, part 0x001)"},
        // big.LITTLE: every distinct core, in the order they come.
        {arm + "CPU implementer\t: 0x41\nCPU part\t: 0xd05\n\n" + arm +
             "CPU implementer\t: 0x41\nCPU part\t: 0xd05\n\n" + arm +
             "CPU implementer\t: 0x41\nCPU part\t: 0xd0b\n",
         "Arm Cortex-A55 + Cortex-A76"},
        {arm + "CPU implementer\t: 0x41\nCPU part\t: 0xd46\n\nCPU part\t: 0xd47\n\n"
               "CPU part\t: 0xd48\n",
         "Arm Cortex-A510 + Cortex-A710 + Cortex-X2"},
        {arm + "CPU implementer\t: 0x41\nCPU part\t: 0xd05\n\nCPU part\t: 0xfff\n",
         "Arm CPU (implementer 0x41, parts 0xd05, 0xfff)"},
        {arm + "CPU implementer\t: 0x41\n", "Arm CPU (implementer 0x41)"},
        {arm + "CPU implementer\t: 0xzz\nCPU part\t: 0xd0c\n", ""},
        {arm, ""},
    };
    for (const auto& c : cases) {
        std::istringstream cpuinfo(c.cpuinfo);
        EXPECT_EQ(cpuNameFromCpuinfo(cpuinfo), c.name) << c.cpuinfo;
    }
}

// Each array of a round gets its own values: a CPU that sorts the same few values again and
// again learns their branches, and times them too fast.
TEST(TimeSort, givesEachArrayOfARoundItsOwnValues) {
    static std::vector<std::vector<int>> seen;
    seen.clear();
    const TimingPlan plan{2, 1e-3, 1.0};  // two rounds of a few hundred sorts
    timeSort([](int* arr, int len) { seen.emplace_back(arr, arr + len); }, 100, false, plan);
    ASSERT_GT(seen.size(), 10u);
    std::vector<std::vector<int>> distinct = seen;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    // The first sort alone sizes the rounds; every round then holds arrays all unlike.
    EXPECT_EQ(distinct.size(), (seen.size() - 1) / plan.repetitions);
}

}  // namespace
