// bubbleSort: the sort against std::sort, and the texts of the other operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>  // std::getenv
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bubbleSort.h"
#include "bubblepasses.h"
#include "compiler.h"  // BUBBLE_X86
#include "console.h"
#include "cpuinfo.h"
#include "kernels.h"
#include "plainpasses.h"

// Names a kernel in failure messages; beside PassKernel, where GoogleTest looks for it.
void PrintTo(PassKernel kernel, std::ostream* os) { *os << kernelName(kernel); }

namespace {

// Random values with heavy duplicates and the int extremes mixed in.
std::vector<int> roughData(int len, std::mt19937& random) {
    const int pool[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 7, INT_MAX - 1, INT_MAX};
    std::vector<int> values(len);
    for (int& v : values) {
        const unsigned pick = random() % 4;
        v = pick == 0   ? pool[random() % 8]
            : pick == 1 ? static_cast<int>(random())
                        : static_cast<int>(random() % 16);
    }
    return values;
}

class KernelTest : public testing::TestWithParam<PassKernel> {};

// Checks the kernel against the plain loop after each of the given pass counts.
void expectPlainResults(PassKernel kernel, const std::vector<int>& data,
                        const std::vector<int>& passCounts) {
    const int len = static_cast<int>(data.size());
    std::vector<int> plain = data;
    int plainPasses = 0;
    for (int passes : passCounts) {
        plainBubblePasses(plain.data(), len, passes - plainPasses);
        plainPasses = passes;
        std::vector<int> fast = data;
        bubblePasses(kernel, fast.data(), len, passes);
        ASSERT_EQ(fast, plain) << "len " << len << ", passes " << passes;
    }
}

TEST_P(KernelTest, leavesTheArrayThePlainLoopLeavesAfterEveryPassCount) {
    std::mt19937 random(3);
    for (int len = 0; len <= 130; ++len) {
        std::vector<int> passCounts(len + 2);
        std::iota(passCounts.begin(), passCounts.end(), 0);
        expectPlainResults(GetParam(), roughData(len, random), passCounts);
    }
}

TEST_P(KernelTest, leavesTheArrayThePlainLoopLeavesAcrossSweeps) {
    const int sweep = kernelSweepPasses(GetParam());
    std::mt19937 random(7);
    // Ascending and without repeats, whatever the sweep (the plain loop's is one pass). From
    // two whole sweeps on, arrays of 2 * sweep values or more run them back to back (chained),
    // with any remainder after them.
    const std::set<int> passCounts{
        1,         sweep - 1,     sweep,     sweep + 1,     2 * sweep - 1,
        2 * sweep, 2 * sweep + 1, 3 * sweep, 3 * sweep + 5, 4 * sweep};
    for (int len :
         {sweep - 1, sweep, sweep + 1, 2 * sweep - 1, 2 * sweep, 2 * sweep + 3, 4 * sweep + 5}) {
        expectPlainResults(GetParam(), roughData(len, random),
                           {passCounts.begin(), passCounts.end()});
    }
}

TEST_P(KernelTest, sortsArraysOfEveryShapeOfLength) {
    const int sweep = kernelSweepPasses(GetParam());
    std::mt19937 random(4);
    std::vector<int> lengths{0, 1, 2, 3, 1000, 2049, 3000};
    for (int size : {4, 8, 16, 32, 64, 128, 256, sweep, 2 * sweep, 3 * sweep}) {
        lengths.insert(lengths.end(), {size - 1, size, size + 1});
    }
    for (int len : lengths) {
        std::vector<int> values = roughData(len, random);
        std::vector<int> expected = values;
        std::sort(expected.begin(), expected.end());
        bubblePasses(GetParam(), values.data(), len, len - 1);
        ASSERT_EQ(values, expected) << "len " << len;
    }
}

// The kernels this build has and this CPU runs: the others get no test at all, so that a run
// on x86 reports no NEON test as skipped, nor one on ARM an AVX-512 test.
std::vector<PassKernel> kernelsThatRunHere() {
    std::vector<PassKernel> kernels;
    std::copy_if(std::begin(allKernels), std::end(allKernels), std::back_inserter(kernels),
                 kernelRunsHere);
    return kernels;
}

INSTANTIATE_TEST_SUITE_P(kernels, KernelTest, testing::ValuesIn(kernelsThatRunHere()),
                         [](const auto& info) { return std::string(kernelName(info.param)); });

#ifdef __linux__
// The kernel the CPU's flags call for, as Linux reports them in /proc/cpuinfo (x86's "flags",
// ARM's "Features": the instruction sets whose registers the kernel saves); "" where the file
// has no such line for this build's architecture (qemu-user shows the host's).
std::string kernelOfTheCpuFlags() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::istringstream words(cpuinfoValue(cpuinfo, BUBBLE_ARM64 ? "Features" : "flags"));
    const std::set<std::string> flags{std::istream_iterator<std::string>(words), {}};
    if (flags.empty()) return "";
    for (const auto& [flag, kernel] : {std::pair<const char*, const char*>{"avx512f", "avx512"},
                                       {"avx2", "avx2"},
                                       {"sse4_1", "sse41"},
                                       {"asimd", "neon"}}) {
        if (flags.count(flag) != 0) return kernel;
    }
    return "fallback";
}

// What the kernel's own CPU check finds, against what the OS says of the CPU: a wrong bit in
// the check, or a wrong name in a kernel's row (which which_kernel prints), fails here.
TEST(Dispatch, findsTheWidestKernelTheOperatingSystemReports) {
    const PassKernel widest =
        *std::find_if(std::begin(allKernels), std::end(allKernels), kernelRunsHere);
    if (const char* expected = std::getenv("EXPECTED_KERNEL")) {  // an emulated CPU model
        EXPECT_STREQ(kernelName(chosenKernel()), expected);
        return;
    }
    const std::string flags = kernelOfTheCpuFlags();
    if (flags.empty()) GTEST_SKIP() << "/proc/cpuinfo names no flags of this architecture";
    EXPECT_EQ(kernelName(widest), BUBBLE_SIMD ? flags : "fallback");
}
#endif

// Of AVX-512 and AVX2, the faster by each one's best probe, the two taking turns; on many cores
// 512-bit min and max run at half the 256-bit rate. A busy neighbour slows some rounds: the
// best round still tells.
TEST(Dispatch, picksTheFasterOfAvx512AndAvx2ByTheirBestProbes) {
    struct Case {
        std::vector<double> avx512, avx2;  // seconds each round's probe takes
        PassKernel picked;
    };
    const Case cases[] = {
        {{2, 2, 2}, {1, 1, 1}, PassKernel::avx2},    // 512-bit min and max at half rate
        {{1, 1, 1}, {2, 2, 2}, PassKernel::avx512},  // at full rate
        {{1, 1, 1}, {1, 1, 1}, PassKernel::avx512},  // a tie: the wider
        {{5, 5, 1}, {2, 2, 2}, PassKernel::avx512},  // a neighbour spoils AVX-512's first rounds
        {{1, 1, 1}, {9, 1.5, 0.9}, PassKernel::avx2},
    };
    for (const Case& c : cases) {
        static const Case* current;
        static std::size_t timed[2];
        static std::string order;  // W for the wider kernel's round, N for the narrower's
        current = &c;
        timed[0] = timed[1] = 0;
        order.clear();
        const auto time = [](PassKernel k) {
            const bool wide = k == PassKernel::avx512;
            order += wide ? 'W' : 'N';
            const std::vector<double>& rounds = wide ? current->avx512 : current->avx2;
            return rounds.at(timed[wide ? 0 : 1]++);
        };
        EXPECT_EQ(fasterKernel(PassKernel::avx512, PassKernel::avx2, time, 3), c.picked);
        // They take turns going first, so that neither always meets a cold cache or clock.
        EXPECT_EQ(order, "WNNWWN");
    }
}

#if BUBBLE_SIMD && BUBBLE_X86
// The cost, by the step model, of `passes` passes over len values as runPasses runs them:
// whole sweeps chained back to back where there are two or more and len is at least
// 2 * stages (the pipeline fills once, each sweep takes len steps, and it drains in
// 2 * stages - 1), then a sweep for what is left (len + stages + passes - 1 steps), the last
// on the fewest registers, halved again and again, that hold its passes. Each step works on
// every register of its sweep; a 512-bit min or max costs `rate` 256-bit ones.
double modelledCost(PassKernel kernel, double rate, int len, int passes) {
    const KernelRow& row = kernelRow(kernel);
    const int stages = row.lanes * row.registers;
    double work = 0;  // register steps
    int left = passes;
    if (const int whole = passes / stages; whole >= 2 && len >= 2 * stages) {
        work += (static_cast<double>(whole) * len + 2 * stages - 1) * row.registers;
        left -= whole * stages;
    }
    for (; left > 0; left -= stages) {
        int registers = row.registers;
        while (left < stages && registers > 1 && left <= row.lanes * ((registers + 1) / 2)) {
            registers = (registers + 1) / 2;
        }
        const int sweepStages = row.lanes * registers;
        work +=
            static_cast<double>(len + sweepStages + std::min(sweepStages, left) - 1) * registers;
    }
    return work * (kernel == PassKernel::avx512 ? rate : 1);
}

// The cost of a 512-bit min or max, against a 256-bit one, above which AVX2 is the faster.
double crossoverRate(int len, int passes) {
    return modelledCost(PassKernel::avx2, 1, len, passes) /
           modelledCost(PassKernel::avx512, 1, len, passes);
}

// The probe's shape must turn to AVX2 where bubble_bench's hundred trials do, within 0.02 of
// a 256-bit min or max. Filling and draining weighs more in a short probe, which favours
// AVX2's shorter pipeline; a probe of one AVX-512 sweep runs it unchained (at 160 passes the
// crossovers are 1.88 and 1.99; at 320, 1.981 and 1.992).
TEST(Dispatch, probesAShapeThatPicksWhatTheWholeWorkloadWould) {
    double workload[2] = {0, 0};
    for (int len = 100; len <= 10000; len += 100) {  // the trials
        workload[0] += modelledCost(PassKernel::avx2, 1, len, len - 1);
        workload[1] += modelledCost(PassKernel::avx512, 1, len, len - 1);
    }
    EXPECT_NEAR(crossoverRate(probeLength, probePasses), workload[0] / workload[1], 0.02);
    // The workload's own, as docs/speed.md gives it: the model of each sweep's registers and
    // steps, pinned.
    EXPECT_NEAR(workload[0] / workload[1], 1.992, 0.0005);
}
#endif

// A value that counts the comparisons made of it.
struct Counted {
    int value;
    static long long comparisons;
    bool operator>(const Counted& other) const {
        ++comparisons;
        return value > other.value;
    }
};
long long Counted::comparisons = 0;

// The plain loop's cost, which README states: every pass runs to its end, sorted input too, so
// that len - 1 passes make (len - 1)^2 comparisons (a loop that stops early would make fewer).
TEST(PlainBubblePasses, compareEveryPairInEveryPassWhateverTheData) {
    for (int len : {0, 1, 2, 3, 50}) {
        for (const char* order : {"ascending", "descending", "shuffled"}) {
            std::vector<Counted> values;
            values.reserve(static_cast<std::size_t>(len));
            for (int i = 0; i < len; ++i) values.push_back({order[0] == 'd' ? len - i : i});
            if (order[0] == 's') std::shuffle(values.begin(), values.end(), std::mt19937(3));
            Counted::comparisons = 0;
            plainBubblePasses(values.data(), len, len - 1);
            const long long expected = len > 0 ? static_cast<long long>(len - 1) * (len - 1) : 0;
            EXPECT_EQ(Counted::comparisons, expected)
                << "on " << len << " values in " << order << " order, the loop in plainpasses.h "
                << "made " << Counted::comparisons << " comparisons, not (n - 1)^2 = " << expected
                << ". Does it now stop early, after a pass with no exchange, or run shorter "
                << "passes? Then it no longer makes (n - 1)^2 comparisons whatever the data, "
                << "as README's map and this test say it does.";
            EXPECT_TRUE(std::is_sorted(values.begin(), values.end(),
                                       [](Counted a, Counted b) { return b > a; }));
        }
    }
}

TEST(SortIt, sortsLikeStdSortAndPrintsSortedOnce) {
    std::mt19937 random(11);
    bubbleSort sorter;
    for (int len : {0, 1, 2, 3, 17, 100, 333}) {
        for (int round = 0; round < 5; ++round) {
            std::vector<int> values = roughData(len, random);
            std::vector<int> expected = values;
            std::sort(expected.begin(), expected.end());
            StreamCapture out(std::cout);
            sorter.sortIt(values.data(), len);
            EXPECT_EQ(values, expected) << "len " << len;
            EXPECT_EQ(out.text(), "Sorted\n");
        }
    }
}

TEST(SortIt, leavesEverythingPastLenAlone) {
    std::vector<int> values{3, 1, 2, -5, -6};
    StreamCapture out(std::cout);
    bubbleSort().sortIt(values.data(), 3);
    EXPECT_EQ(values, (std::vector<int>{1, 2, 3, -5, -6}));
}

struct InsertCase {
    std::vector<int> before;
    int newValue;
    std::vector<int> after;
    const char* text;
};

TEST(InsertValue, fillsTheFirstZeroSlotWithinLen) {
    const InsertCase cases[] = {
        {{4, 0, 0}, 7, {4, 7, 0}, "Inserted successfully\n"},
        {{0, 5}, 9, {9, 5}, "Inserted successfully\n"},
        {{1, 2}, 3, {1, 2}, "Array is full\n"},
        {{}, 3, {}, "Array is full\n"},
    };
    for (const InsertCase& c : cases) {
        std::vector<int> values = c.before;
        StreamCapture out(std::cout);
        bubbleSort().insertValue(c.newValue, values.data(), static_cast<int>(values.size()));
        EXPECT_EQ(values, c.after);
        EXPECT_EQ(out.text(), c.text);
    }
}

TEST(DisplayElements, printsOneValueALineThenTheClosingLine) {
    std::vector<int> values{4, -5, 6};
    StreamCapture out(std::cout);
    bubbleSort().displayElements(values.data(), 2);
    bubbleSort().displayElements(values.data(), 0);
    EXPECT_EQ(out.text(), "4\n-5\nAll elements displayed\nAll elements displayed\n");
}

struct SearchCase {
    const char* input;
    const char* output;  // after the prompt
    const char* errors;
};

TEST(SearchValue, reportsTheFirstMatchOrNoneAndRefusesInputThatIsNoInt) {
    const char* prompt = "Enter value to be searched: \n";
    const char* noInt = "standard input: no int to search for\n";
    const SearchCase cases[] = {
        {"5\n", "This item can be found at index: 1\n", ""},
        {"4", "This item can be found at index: 0\n", ""},
        {"  42,500", "This item can be found at index: 3\n",
         "standard input: warning: text after the number 42 ignored: \",500\"\n"},
        {"6\n", "This item does not exist\n", ""},
        {"abc\n", "",
         "standard input: \"abc\" is not an int to search for: type a whole number, such as "
         "49500\n"},
        {"", "", noInt},
        {"99999999999999999999999\n", "",
         "standard input: \"99999999999999999999\"... is out of the int range (-2147483648 to "
         "2147483647)\n"},
    };
    std::vector<int> values{4, 5, 5, 42};
    for (const SearchCase& c : cases) {
        InputFeed in(c.input);
        StreamCapture out(std::cout);
        StreamCapture errors(std::cerr);
        bubbleSort().searchValue(values.data(), static_cast<int>(values.size()));
        EXPECT_EQ(out.text(), std::string(prompt) + c.output) << c.input;
        EXPECT_EQ(errors.text(), c.errors) << c.input;
    }
}

}  // namespace
