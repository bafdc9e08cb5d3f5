// sort_steps' record against the sorts themselves: replaying a trace's writes from its start
// gives the array the sort leaves on plain ints; its counts are a counting value's and the
// formulas'; passes, merges and partitions begin and end where the loops do, nested as the
// recursion; every sentence that says what holds is true of the array at that step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "consoletrace.h"
#include "inputs.h"
#include "merge.h"
#include "plainpasses.h"
#include "quick.h"
#include "recorder.h"
#include "selection.h"

namespace {

using steps::SortKind;
using steps::StepKind;

const SortKind allSorts[] = {SortKind::bubble, SortKind::selection, SortKind::merge,
                             SortKind::quick};

// A value that counts what is done with it: comparisons, assignments, copies made.
struct Counting {
    int value = 0;
    static long comparisons, assignments, constructions;
    Counting() = default;
    explicit Counting(int v) : value(v) {}
    Counting(const Counting& from) : value(from.value) { ++constructions; }
    Counting& operator=(const Counting& from) {
        value = from.value;
        ++assignments;
        return *this;
    }
    ~Counting() = default;
};
long Counting::comparisons = 0, Counting::assignments = 0, Counting::constructions = 0;
bool operator<(const Counting& a, const Counting& b) {
    return ++Counting::comparisons, a.value < b.value;
}
bool operator<=(const Counting& a, const Counting& b) {
    return ++Counting::comparisons, a.value <= b.value;
}
bool operator>(const Counting& a, const Counting& b) {
    return ++Counting::comparisons, a.value > b.value;
}

// The sort on plain ints and on counting values: its result, and its comparisons and writes
// (assignments, which go into slots, and in merge sort the copies, which fill the scratch run).
struct PlainRun {
    std::vector<int> result;
    long comparisons, writes;
};
template <typename Value>
void sortWith(SortKind kind, std::vector<Value>& v) {
    const int n = static_cast<int>(v.size());
    switch (kind) {
        case SortKind::bubble:
            plainBubblePasses(v.data(), n, n - 1);
            break;
        case SortKind::selection:
            selectionSort(v.data(), n);
            break;
        case SortKind::merge:
            mergeSort(v.data(), 0, n - 1);
            break;
        case SortKind::quick:
            quickSort(v.data(), 0, n - 1);
            break;
    }
}
PlainRun plainRun(SortKind kind, const std::vector<int>& values) {
    std::vector<int> ints = values;
    sortWith(kind, ints);
    std::vector<Counting> counted(values.begin(), values.end());
    Counting::comparisons = Counting::assignments = Counting::constructions = 0;
    sortWith(kind, counted);
    const long scratch = kind == SortKind::merge ? Counting::constructions : 0;
    return {ints, Counting::comparisons, Counting::assignments + scratch};
}

std::vector<std::vector<int>> inputsToTry() {
    std::vector<std::vector<int>> inputs = {{},
                                            {7},
                                            {2, 1},
                                            {1, 1},
                                            {3, 1, 2},
                                            {4, 4, 1, 2},
                                            {0, -3, INT_MAX, INT_MIN, 0},
                                            {5, 8, 1, 2, 9, 3, 4},
                                            {3, 5, 6, 1, 4}};
    const std::vector<steps::NamedInput> page = steps::pageInputs();
    std::transform(page.begin(), page.end(), std::back_inserter(inputs),
                   [](const steps::NamedInput& input) { return input.values; });
    return inputs;
}

TEST(SortSteps, replayEndsAsTheSortItselfAndCountsAsACountingValue) {
    for (SortKind kind : allSorts) {
        for (const std::vector<int>& values : inputsToTry()) {
            const steps::SortTrace trace = steps::record(kind, values);
            const PlainRun plain = plainRun(kind, values);
            std::vector<int> replayed = values;
            long compares = 0, writes = 0;
            for (const steps::Step& step : trace.steps) {
                compares += step.kind == StepKind::compare ? 1 : 0;
                for (const steps::Write& w : step.writes) {
                    if (!w.scratch) replayed.at(static_cast<std::size_t>(w.slot)) = w.value;
                    ++writes;
                }
            }
            const std::string what = std::string(steps::sortName(kind)) + " of " +
                                     std::to_string(values.size()) + " values";
            EXPECT_EQ(replayed, plain.result) << what;
            EXPECT_EQ(trace.result, plain.result) << what;
            EXPECT_EQ(trace.comparisons, plain.comparisons) << what;
            EXPECT_EQ(compares, plain.comparisons) << what;
            EXPECT_EQ(trace.writes, plain.writes) << what;
            EXPECT_EQ(writes, plain.writes) << what;
            const long n = static_cast<long>(values.size());
            if (kind == SortKind::bubble && n > 0) {
                EXPECT_EQ(trace.comparisons, (n - 1) * (n - 1)) << what;
            }
            if (kind == SortKind::selection) {
                EXPECT_EQ(trace.comparisons, n * (n - 1) / 2) << what;
            }
        }
    }
}

// Passes: len - 1 of them, each begun and ended once, in order; bubble's comparing neighbours
// from slot 0 on, selection's ending with its exchange into its first slot. Merges and
// partitions: begun and ended in pairs whose ranges nest as the recursion does.
TEST(SortSteps, boundariesStandWhereTheLoopsAndTheRecursionPutThem) {
    for (SortKind kind : allSorts) {
        for (const std::vector<int>& values : inputsToTry()) {
            const steps::SortTrace trace = steps::record(kind, values);
            const std::string what = std::string(steps::sortName(kind)) + " of " +
                                     std::to_string(values.size()) + " values";
            const int n = static_cast<int>(values.size());
            std::vector<std::vector<int>> open, closed;
            int passes = 0, nextLeft = 0;
            for (const steps::Step& step : trace.steps) {
                if (step.kind == StepKind::begin) {
                    ASSERT_TRUE(open.empty() || kind == SortKind::merge || kind == SortKind::quick)
                        << what;
                    open.push_back(step.range);
                    if (kind == SortKind::bubble || kind == SortKind::selection) {
                        EXPECT_EQ(step.range.at(0), kind == SortKind::bubble ? 0 : passes) << what;
                        ++passes;
                        nextLeft = 0;
                    }
                } else if (step.kind == StepKind::end) {
                    ASSERT_FALSE(open.empty()) << what;
                    EXPECT_EQ(open.back().front(), step.range.front()) << what;
                    closed.push_back(step.range);
                    open.pop_back();
                } else if (kind == SortKind::bubble && step.kind == StepKind::compare) {
                    ASSERT_EQ(open.size(), 1u) << what << ": a comparison outside a pass";
                    EXPECT_EQ(step.compared, (std::vector<int>{nextLeft, nextLeft + 1})) << what;
                    ++nextLeft;
                }
            }
            EXPECT_TRUE(open.empty()) << what;
            if (kind == SortKind::bubble || kind == SortKind::selection) {
                EXPECT_EQ(passes, std::max(n - 1, 0)) << what;
            }
            // Two ranges of merges, or of partitions, are apart or one inside the other.
            for (const auto& a : closed) {
                for (const auto& b : closed) {
                    const int aHigh = kind == SortKind::merge ? a.at(2) : a.at(1);
                    const int bHigh = kind == SortKind::merge ? b.at(2) : b.at(1);
                    const bool apart = aHigh < b.front() || bHigh < a.front();
                    const bool nested = (a.front() <= b.front() && bHigh <= aHigh) ||
                                        (b.front() <= a.front() && aHigh <= bHigh);
                    EXPECT_TRUE(apart || nested) << what;
                }
            }
            if (kind == SortKind::merge && n > 1) {
                EXPECT_EQ(closed.back(), (std::vector<int>{0, (n - 1) / 2, n - 1})) << what;
            }
        }
    }
}

// What a sentence says is final after a pass: "after pass 2 the last 2 values are in their
// final places", "... the first value is ...", "... all 5 values are ...".
struct FinalPlaces {
    int pass = 0;
    int count = 1;
    std::string which;  // "all", "first" or "last"
};
std::optional<FinalPlaces> finalPlaces(const std::string& sentence) {
    const std::size_t at = sentence.find("after pass ");
    if (at == std::string::npos ||
        sentence.find(" in their final places", at) == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream words(sentence.substr(at + 11));
    FinalPlaces claim;
    words >> claim.pass >> claim.which;
    if (claim.which == "the") words >> claim.which;
    words >> std::ws;
    if (std::isdigit(words.peek()) != 0) words >> claim.count;
    if (!words) return std::nullopt;
    return claim;
}

// "the pivot 4 is in its final place, slot 2": the pivot and its slot.
std::optional<std::pair<int, std::size_t>> pivotFinal(const std::string& sentence) {
    const std::string pivot = "the pivot ", place = " is in its final place, slot ";
    const std::size_t at = sentence.find(pivot);
    if (at == std::string::npos) return std::nullopt;
    std::size_t end = 0;
    const int value = std::stoi(sentence.substr(at + pivot.size()), &end);
    const std::size_t slotAt = at + pivot.size() + end;
    if (sentence.compare(slotAt, place.size(), place) != 0) return std::nullopt;
    return std::make_pair(
        value, static_cast<std::size_t>(std::stoul(sentence.substr(slotAt + place.size()))));
}

// What the words claim, checked against the array at that step: the compared values, the
// places already final, a merged range in order, a pivot in its final place.
TEST(SortSteps, eachSentenceIsTrueOfTheArrayAtItsStep) {
    for (SortKind kind : allSorts) {
        for (const std::vector<int>& values : inputsToTry()) {
            const steps::SortTrace trace = steps::record(kind, values);
            std::vector<int> now = values, sorted = values;
            std::sort(sorted.begin(), sorted.end());
            const int n = static_cast<int>(values.size());
            const std::string what = std::string(steps::sortName(kind)) + " of " +
                                     std::to_string(values.size()) + " values";
            int claims = 0;  // the sentences below read, lest a change of words skip them all
            for (const steps::Step& step : trace.steps) {
                if (step.kind == StepKind::compare && !step.comparedScratch) {
                    // "compare 6 and 1": the values in the slots compared, the pivot aside.
                    for (int slot : step.compared) {
                        if (slot < 0) continue;
                        EXPECT_NE(step.sentence.find(
                                      std::to_string(now.at(static_cast<std::size_t>(slot)))),
                                  std::string::npos)
                            << what << ": " << step.sentence;
                    }
                }
                for (const steps::Write& w : step.writes) {
                    if (!w.scratch) now.at(static_cast<std::size_t>(w.slot)) = w.value;
                }
                const std::optional<FinalPlaces> final = finalPlaces(step.sentence);
                if (final && final->which != "first" && kind == SortKind::bubble) {
                    ++claims;
                    const int k = final->count;
                    EXPECT_GE(k, final->pass) << what << ": " << step.sentence;
                    EXPECT_TRUE(std::equal(now.end() - k, now.end(), sorted.end() - k))
                        << what << ": " << step.sentence;
                    if (k < n) {  // and no more than it says
                        EXPECT_NE(now[static_cast<std::size_t>(n - k - 1)],
                                  sorted[static_cast<std::size_t>(n - k - 1)])
                            << what;
                    }
                }
                if (final && final->which != "last" && kind == SortKind::selection) {
                    ++claims;
                    const int k = final->count;
                    EXPECT_GE(k, final->pass) << what << ": " << step.sentence;
                    EXPECT_TRUE(std::equal(now.begin(), now.begin() + k, sorted.begin()))
                        << what << ": " << step.sentence;
                }
                if (const auto pivot = pivotFinal(step.sentence)) {
                    ++claims;
                    EXPECT_EQ(now.at(pivot->second), pivot->first) << what << ": " << step.sentence;
                    EXPECT_EQ(sorted.at(pivot->second), pivot->first)
                        << what << ": " << step.sentence;
                }
                if (step.kind == StepKind::end && kind == SortKind::merge) {
                    const bool inOrder = std::is_sorted(now.begin() + step.range[0],
                                                        now.begin() + step.range[2] + 1);
                    EXPECT_EQ(step.sentence.find(", in order") != std::string::npos, inOrder)
                        << what;
                }
            }
            if (kind != SortKind::merge && n > 1) {
                EXPECT_GT(claims, 0) << what;
            }
        }
    }
}

// Ties: bubble sort keeps equal values in the order they started in; merge, selection and
// quick sort here do not, which the page's few-distinct values show.
TEST(SortSteps, showWhichSortsKeepTiesInOrder) {
    const std::vector<int> few = steps::pageInputs().back().values;
    for (SortKind kind : allSorts) {
        const steps::SortTrace trace = steps::record(kind, few);
        bool kept = true;
        for (std::size_t i = 1; i < trace.result.size(); ++i) {
            if (trace.result[i] == trace.result[i - 1] && trace.origins[i] < trace.origins[i - 1]) {
                kept = false;
            }
        }
        EXPECT_EQ(kept, kind == SortKind::bubble) << steps::sortName(kind);
        EXPECT_EQ(steps::consoleTrace(trace).find("did not keep") == std::string::npos,
                  kind == SortKind::bubble)
            << steps::sortName(kind);
    }
}

// The console trace: ASCII, no row wider than 100 columns, with 64 values too.
TEST(SortSteps, consoleTraceIsAsciiWithinTheWidth) {
    std::vector<int> many(64);
    for (int i = 0; i < 64; ++i) many[static_cast<std::size_t>(i)] = (i * 37 % 64 - 32) * 1000003;
    for (SortKind kind : allSorts) {
        const std::string text = steps::consoleTrace(steps::record(kind, many));
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            EXPECT_LE(end - start, steps::consoleWidth) << text.substr(start, end - start);
        }
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
            return c == '\n' || (c >= ' ' && c <= '~');
        })) << steps::sortName(kind);
    }
}

// Values from the command line, refused in the project's words.
TEST(SortSteps, takesWholeNumbersUpTo64OfThem) {
    std::string problem;
    EXPECT_EQ(*steps::parseValues({"5", "-3", "+9", "2147483647", "-2147483648"}, problem),
              (std::vector<int>{5, -3, 9, INT_MAX, INT_MIN}));
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"5", "x"},
         R"("x" is not a whole number: give whole numbers, such as sort_steps 5 3 9 1)"},
        {{"5.5"}, R"("5.5" is not a whole number: give whole numbers, such as sort_steps 5 3 9 1)"},
        {{""}, R"("" is not a whole number: give whole numbers, such as sort_steps 5 3 9 1)"},
        {{"-"}, R"("-" is not a whole number: give whole numbers, such as sort_steps 5 3 9 1)"},
        {{"-2147483649"}, R"("-2147483649" is out of the int range (-2147483648 to 2147483647))"},
        {std::vector<std::string>(65, "1"), "65 values given: at most 64 fit on the page"},
    };
    for (const auto& [args, message] : refused) {
        EXPECT_FALSE(steps::parseValues(args, problem));
        EXPECT_EQ(problem, message);
    }
    EXPECT_TRUE(steps::parseValues(std::vector<std::string>(64, "1"), problem));
}

}  // namespace
