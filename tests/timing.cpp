// sort_timing's parts that need no clock: sizes, the stopping rule, the growth exponent, the
// log axes, the SVG's structure and the CPU's name as Linux gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cpuinfo.h"
#include "machine.h"
#include "outputfile.h"
#include "sortstotime.h"
#include "svgplot.h"
#include "timingplan.h"
#include "timingtext.h"

namespace {

// Timings at each size up to `largest` of a sort that takes time(n) seconds.
template <typename Time>
std::vector<Timing> timingsOf(long largest, Time time) {
    const std::vector<long> sizes = timingSizes(largest);
    std::vector<Timing> timings(sizes.size());
    std::transform(sizes.begin(), sizes.end(), timings.begin(), [&time](long n) {
        return Timing{n, time(static_cast<double>(n))};
    });
    return timings;
}

// A series for each sort named, on one input, all with the same timings.
std::vector<Series> seriesOf(const std::vector<const char*>& sorts, const char* input,
                             const std::vector<Timing>& timings) {
    std::vector<Series> series(sorts.size());
    std::transform(sorts.begin(), sorts.end(), series.begin(), [&](const char* sort) {
        return Series{sort, input, timings};
    });
    return series;
}

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
    // Within a billionth of a pixel: MinGW's log10 is a little off where glibc's is exact.
    const LogAxis axis = logAxis(150, 2e5, 0, 400);
    EXPECT_EQ(axis.low, 1e2);
    EXPECT_EQ(axis.high, 1e6);
    EXPECT_NEAR(axis.pixel(100), 0, 1e-9);
    EXPECT_NEAR(axis.pixel(1e4), 200, 1e-9);
    EXPECT_NEAR(axis.pixel(1e6), 400, 1e-9);
    EXPECT_EQ(decadeTicks(axis), (std::vector<double>{1e2, 1e3, 1e4, 1e5, 1e6}));

    const LogAxis upward = logAxis(1e-6, 1e-3, 480, 60);  // time: up the page
    EXPECT_NEAR(upward.pixel(1e-6), 480, 1e-9);
    EXPECT_NEAR(upward.pixel(1e-3), 60, 1e-9);
    EXPECT_EQ(logAxis(100, 100, 0, 1).high, 1e3);  // one value still spans a decade
    EXPECT_EQ(logAxis(100, 1000, 0, 1).high, 1e3);

    // The n axis ends at the largest n timed: a quarter of it is not left empty.
    const LogAxis n = logAxis(100, 2e4, 0, 400, true);
    EXPECT_EQ(n.high, 2e4);
    EXPECT_NEAR(n.pixel(2e4), 400, 1e-9);
    EXPECT_EQ(decadeTicks(n), (std::vector<double>{1e2, 1e3, 1e4}));
    EXPECT_EQ(logAxis(100, 1e4, 0, 1, true).high, 1e4);
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
    for (const char* legend :
         {">bubble (avx2)</text>", ">std::sort</text>", ">quick</text>", ">n²</text>",
          ">n log n</text>", ">guides n² and n log n, not sorts<"}) {
        EXPECT_NE(svg.find(legend), std::string::npos) << legend;
    }
    EXPECT_NE(svg.find("A &amp; B &lt;CPU&gt;"), std::string::npos);
    EXPECT_EQ(xmlProblem("<svg><g></svg></g>"), "</svg> out of order");  // the checker checks
}

// The points of a polyline or polygon tag.
std::vector<std::pair<double, double>> pointsOf(const std::string& tag) {
    const std::size_t start = tag.find("points=\"") + 8;
    std::istringstream text(tag.substr(start, tag.find('"', start) - start));
    std::vector<std::pair<double, double>> points;
    for (std::string point; text >> point;) {
        points.emplace_back(std::stod(point), std::stod(point.substr(point.find(',') + 1)));
    }
    return points;
}

// A marker on every point, so that a series of one point, which draws no line, still shows;
// and each guide's label inside the frame, clear of every series' line: a 20,000-value run
// put the n² label under a dashed line, and README's picture the n log n label on a sort's.
TEST(TimingSvg, marksEveryPointAndLabelsEachGuideClearOfTheData) {
    const auto quadratic = [](double c) {
        return timingsOf(20000, [c](double n) { return c * 1e-9 * n * n; });
    };
    const auto nLogN = [](double c) {
        return timingsOf(20000, [c](double n) { return c * 1e-8 * n * std::log(n); });
    };
    for (const std::vector<Series>& series : std::vector<std::vector<Series>>{
             {{"merge", "random", {{100, 3e-6}}}, {"merge", "sorted", {{100, 1e-6}}}},
             {{"bubble (plain)", "random", {{100, 1e-5}, {1000, 1e-3}, {10000, 0.1}}},
              {"std::sort", "random", {{100, 1e-6}, {1000, 1.4e-5}, {10000, 1.9e-4}}}},
             // Lines along both guides' ends, as the runs that hid their labels had.
             {{"bubble (plain)", "random", quadratic(1)},
              {"selection", "sorted", quadratic(0.25)},
              {"std::sort", "sorted", nLogN(0.1)},
              {"merge", "random", nLogN(0.3)}},
         }) {
        const std::string svg = timingSvg(series, "t");
        const std::size_t points = std::accumulate(
            series.begin(), series.end(), std::size_t{0},
            [](std::size_t sum, const Series& s) { return sum + s.timings.size(); });
        // The legend shows each sort's marker on both inputs.
        std::vector<std::string> sorts;
        for (const Series& s : series) {
            if (std::find(sorts.begin(), sorts.end(), s.sortName) == sorts.end()) {
                sorts.push_back(s.sortName);
            }
        }
        EXPECT_EQ(tags(svg, "circle class=\"marker\"").size() +
                      tags(svg, "polygon class=\"marker\"").size(),
                  points + 2 * sorts.size());
        const std::string frame = tags(svg, "rect class=\"frame\"").at(0);
        const double left = attribute(frame, "x"), top = attribute(frame, "y");
        const double right = left + attribute(frame, "width");
        const double bottom = top + attribute(frame, "height");
        const std::vector<std::string> labels = tags(svg, "text class=\"guide-label\"");
        ASSERT_EQ(tags(svg, "polyline class=\"guide\"").size(), 2u);
        ASSERT_EQ(labels.size(), 2u);
        for (const std::string& label : labels) {
            const double labelX = attribute(label, "x"), labelY = attribute(label, "y");
            EXPECT_TRUE(left < labelX && labelX <= right && top < labelY && labelY <= bottom)
                << label;
            // Its box, text-anchor end: no series' line runs through it.
            const double width = label.find("n log n") != std::string::npos ? 52 : 15;
            for (const std::string& line : tags(svg, "polyline class=\"series\"")) {
                const auto p = pointsOf(line);
                for (std::size_t i = 1; i < p.size(); ++i) {
                    for (double f = 0; f <= 1; f += 0.01) {
                        const double x = p[i - 1].first + f * (p[i].first - p[i - 1].first);
                        const double y = p[i - 1].second + f * (p[i].second - p[i - 1].second);
                        EXPECT_FALSE(x > labelX - width && x < labelX && y > labelY - 10 &&
                                     y < labelY + 2)
                            << label << " is crossed by " << line;
                    }
                }
            }
        }
    }
}

// Each sort its own colour and marker shape, and each input its fill and dash: a seventh sort
// once took the first one's colour, dashes and markers.
TEST(TimingSvg, drawsEachOfTenSortsInItsOwnColourAndShape) {
    std::vector<std::pair<std::string, int>> styles;
    for (std::size_t i = 0; i < 10; ++i) {
        const SortStyle style = sortStyle(i);
        styles.emplace_back(style.colour, static_cast<int>(style.shape));
    }
    for (std::size_t i = 0; i < styles.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_NE(styles[i].first, styles[j].first) << i << " and " << j;
            EXPECT_NE(styles[i].second, styles[j].second) << i << " and " << j;
        }
    }
    const std::vector<const char*> sevenSorts = {"bubble (avx512)", "bubble (plain)", "selection",
                                                 "merge",           "quick",          "std::sort",
                                                 "insertion"};
    std::vector<Series> seven = seriesOf(sevenSorts, "random", {{100, 1e-6}, {1000, 1e-4}});
    const std::vector<Series> sorted = seriesOf(sevenSorts, "sorted", {{100, 1e-6}, {1000, 1e-4}});
    seven.insert(seven.end(), sorted.begin(), sorted.end());
    const std::string svg = timingSvg(seven, "t");
    std::vector<std::string> strokes;
    for (const std::string& line : tags(svg, "polyline class=\"series\"")) {
        const std::size_t at = line.find("stroke=\"") + 8;
        strokes.push_back(line.substr(at, 7) +
                          (line.find("stroke-dasharray") != std::string::npos ? " dashed" : ""));
    }
    std::sort(strokes.begin(), strokes.end());
    EXPECT_EQ(std::unique(strokes.begin(), strokes.end()), strokes.end());
    ASSERT_EQ(strokes.size(), 14u);
    // Ten sorts: the legend stays inside the picture.
    std::vector<Series> ten = seven;
    const std::vector<Series> more =
        seriesOf({"shell", "heap", "counting"}, "random", {{100, 1e-6}});
    ten.insert(ten.end(), more.begin(), more.end());
    const std::string tenSvg = timingSvg(ten, "t");
    for (const std::string& text : tags(tenSvg, "text")) {
        const double y = attribute(text, "y");
        if (!std::isnan(y)) {
            EXPECT_LT(y, 540) << text;
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

// Every ratio at one n, the largest that every sort reached, so that the columns compare.
TEST(TimeRatio, comparesEverySortAtTheLargestSizeAllReached) {
    const Series reference{"std::sort", "random", {{100, 1e-6}, {1000, 1e-5}, {10000, 2e-4}}};
    const Series bubble{"bubble", "random", {{100, 2e-6}, {1000, 3e-4}}};
    const Series merge{"merge", "random", {{100, 3e-6}, {1000, 4e-5}, {10000, 5e-4}}};
    EXPECT_EQ(sharedSize({&reference, &merge}), 10000);
    const long shared = sharedSize({&merge, &bubble, &reference});
    EXPECT_EQ(shared, 1000);
    EXPECT_DOUBLE_EQ(*timeRatio(bubble, reference, shared), 30);
    EXPECT_DOUBLE_EQ(*timeRatio(merge, reference, shared), 4);
    EXPECT_FALSE(timeRatio(bubble, reference, 10000));
    const Series quick{"quick", "sorted", {{500, 1e-5}}};
    EXPECT_EQ(sharedSize({&quick, &reference}), 0);
}

// Ten sorts, as a learner may add: no line of the table is wider than a console shows, and
// every sort has its column.
TEST(TimingTable, staysWithinTheWidthWithTenSorts) {
    std::vector<Series> all =
        seriesOf({"bubble (avx512)", "bubble (plain)", "selection", "merge", "quick", "std::sort",
                  "insertion", "shell sort", "heap sort", "counting"},
                 "random", {{100, 1e-6}, {200, 4e-6}, {500, 2.5e-5}});
    all.back().timings[1].seconds *= 3;  // a busy moment: its note shows too
    const std::string table = timingTable(all, "random", 3, "std::sort");
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), tableWidth) << line;
    }
    for (const Series& s : all) EXPECT_NE(table.find(" " + s.sortName), std::string::npos);
    EXPECT_NE(table.find("at n = 500, the largest n every sort reached"), std::string::npos);
    EXPECT_NE(table.find("\nunsure: "), std::string::npos);
}

// The clock of the growth tests: virtual seconds, which the fake sorts below advance.
double virtualSeconds = 0;
double virtualClock() { return virtualSeconds; }

// A quadratic sort on the virtual clock (it sorts for real, in no time that counts), whose
// rounds at the slow sizes run `slowdown` times as slow: a burst of load on those sizes.
std::vector<long> slowSizes;
double slowdown = 1;
int slowRound = 0;  // 0: every round at the slow sizes; r: only the r-th sort there
int sortsAtSlowSizes = 0;
void fakeQuadraticSort(int* arr, int len) {
    std::sort(arr, arr + len);
    double took = 1e-9 * len * len;
    const bool slow = std::count(slowSizes.begin(), slowSizes.end(), len) != 0;
    if (slow && (slowRound == 0 || ++sortsAtSlowSizes == slowRound)) took *= slowdown;
    virtualSeconds += took;
}

// A burst of load on one size, or on two side by side, in every round or in one: the growth
// comes out right, or is said to be unsure, never silently wrong.
TEST(TimeAll, flagsOrGetsRightAGrowthThatABurstOfLoadBends) {
    const TimingPlan plan{3, 1e-3, 1.0, virtualClock};
    const std::vector<TimedSort> sorts = {{"fake", "a fake sort", fakeQuadraticSort, 20000, 0}};
    const std::vector<long> sizes = timingSizes(20000);
    const std::vector<std::vector<long>> slowCases = {
        {2000}, {5000}, {10000}, {20000}, {2000, 5000}, {5000, 10000}, {10000, 20000}};
    for (double factor : {1.05, 1.2, 1.5, 2.0, 4.0, 1e4}) {
        for (const std::vector<long>& slow : slowCases) {
            for (int round : {0, 1, 2}) {
                if (slow.size() > 1 && round != 0) continue;
                slowSizes = slow, slowdown = factor, slowRound = round, sortsAtSlowSizes = 0;
                const std::vector<Series> all =
                    timeAll(sorts, sizes, plan, [](const std::string&) {});
                const std::optional<Growth> growth = judgedGrowth(all.at(0).timings);
                ASSERT_TRUE(growth);
                EXPECT_TRUE(!growth->supported || std::abs(growth->exponent - 2) <= 0.1)
                    << "n = " << slow[0] << " (of " << slow.size() << ") slowed " << factor
                    << " times in round " << round << ": n^" << growth->exponent
                    << ", said to be supported";
                // A burst in one round alone costs nothing: the best rounds hold.
                if (round != 0) {
                    EXPECT_EQ(all.at(0).timings.back().n, 20000) << slow[0] << " " << factor;
                    EXPECT_TRUE(growth->supported) << slow[0] << " " << factor << " " << round;
                    EXPECT_NEAR(growth->exponent, 2, 0.01) << slow[0] << " " << factor;
                }
            }
        }
    }
}

// A learner's insertion sort with its loop one short: named with the size and the first wrong
// slot, and left out of the table, the CSV and the picture.
TEST(TimeAll, catchesASortThatDoesNotSort) {
    std::vector<TimedSort> sorts = sortsToTime();
    sorts.erase(sorts.begin(), sorts.begin() + 2);  // not the bubble sorts: quicker this way
    sorts.insert(sorts.begin() + 1, TimedSort{"insertion", "insertion sort",
                                              [](int* a, int len) {
                                                  for (int i = 1; i < len - 1;
                                                       ++i) {  // the fault: i < len - 1
                                                      const int v = a[i];
                                                      int j = i;
                                                      for (; j > 0 && a[j - 1] > v; --j) {
                                                          a[j] = a[j - 1];
                                                      }
                                                      a[j] = v;
                                                  }
                                              },
                                              1000, 1000});
    const TimingPlan plan{1, 1e-4, 0.1};
    const std::vector<Series> all =
        timeAll(sorts, timingSizes(1000), plan, [](const std::string&) {});
    const auto insertion = std::find_if(all.begin(), all.end(), [](const Series& s) {
        return s.sortName == "insertion" && s.input == "random";
    });
    ASSERT_NE(insertion, all.end());
    ASSERT_TRUE(insertion->fault);
    EXPECT_EQ(insertion->fault->n, 100);
    EXPECT_GE(insertion->fault->slot, 0);
    EXPECT_NE(insertion->fault->found, insertion->fault->expected);
    EXPECT_EQ(insertion->fault->input, "random");
    // On sorted input the fault changes nothing; the sort is left out there too.
    for (const Series& s : all) {
        EXPECT_EQ(s.sortName == "insertion", s.fault.has_value()) << s.sortName << s.input;
    }
    for (const char* input : {"random", "sorted"}) {
        EXPECT_EQ(timingTable(all, input, 1, "std::sort").find("insertion"), std::string::npos);
    }
    EXPECT_EQ(timingCsv(all, "cpu,c++,optimised,os").find("insertion"), std::string::npos);
    EXPECT_EQ(timingSvg(all, "t").find("insertion"), std::string::npos);
    EXPECT_NE(timingTable(all, "random", 1, "std::sort").find("merge"), std::string::npos);
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
    const TimingPlan plan{2, 5e-2, 1.0};  // two rounds of many sorts, even under an emulator
    timeSort(
        [](int* arr, int len) {
            seen.emplace_back(arr, arr + len);
            std::sort(arr, arr + len);
        },
        100, false, plan);
    ASSERT_GT(seen.size(), 10u);
    std::vector<std::vector<int>> distinct = seen;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    // The first sort alone sizes the rounds; every round then holds arrays all unlike.
    EXPECT_EQ(distinct.size(), (seen.size() - 1) / plan.repetitions);
}

// sort_timing's files: written whole in place of the old one, or not at all; and an empty
// file that the early try made is gone when nothing was written into it.
TEST(OutputFile, replacesTheFileWholeAndLeavesNothingItMadeUnwritten) {
    namespace fs = std::filesystem;
    const auto text = [](const char* name) {
        std::ifstream in(name, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), {}};
    };
    const char* name = "outputfile_test.csv";
    fs::remove(name);
    { std::ofstream(name, std::ios::binary) << "a learner's last run"; }
    {
        OutputFile file("sort_timing", name);
        EXPECT_TRUE(file.tryOpen());
        EXPECT_EQ(text(name), "a learner's last run");  // the try keeps what is there
        EXPECT_TRUE(file.write("new"));
    }
    EXPECT_EQ(text(name), "new");
    EXPECT_FALSE(fs::exists(std::string(name) + ".part"));
    fs::remove(name);
    {
        OutputFile file("sort_timing", name);
        EXPECT_TRUE(file.tryOpen());
        EXPECT_TRUE(fs::exists(name));
    }
    EXPECT_FALSE(fs::exists(name)) << "made by the try, never written, yet left behind";
    // A folder in the way of the rename: the write fails, saying so, and leaves no part file.
    const char* folder = "outputfile_test_folder";
    fs::create_directories(fs::path(folder) / "inside");
    {
        OutputFile file("sort_timing", folder);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(file.write("new"));
        EXPECT_NE(testing::internal::GetCapturedStderr().find(": cannot write the file: "),
                  std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(fs::path(folder) / "inside"));
    EXPECT_FALSE(fs::exists(std::string(folder) + ".part"));
    fs::remove_all(folder);
}

}  // namespace
