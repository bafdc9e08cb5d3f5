// The registers each of the kernel's sweeps runs on, seen through the sweep hook of a build of
// the kernel that records them (BUBBLE_RECORD_SWEEPS): the result alone cannot tell a last sweep
// narrowed to the fewest registers in its halving chain from one on all of them.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "kernels.h"

namespace {

struct Sweep {
    int registers;
    int passes;
    bool operator==(const Sweep& other) const {
        return registers == other.registers && passes == other.passes;
    }
};
std::vector<Sweep> sweeps;

}  // namespace

void recordSweeps(int count, int registers, int passes) {
    sweeps.insert(sweeps.end(), static_cast<std::size_t>(count), Sweep{registers, passes});
}

namespace {

std::string shown(const std::vector<Sweep>& list) {
    std::string text;
    for (const Sweep& s : list) {
        text += std::to_string(s.passes) + " passes on " + std::to_string(s.registers) + "; ";
    }
    return text;
}

// A kernel's sweeps for `passes` passes over `len` values: whole sweeps on all its registers,
// then the rest on the fewest registers that hold it, of the kernel's count halved (rounding up)
// again and again: AVX-512 10, 5, 3, 2, 1.
TEST(KernelSweeps, runTheLastSweepOnTheFewestRegistersOfItsHalvingChain) {
    const struct {
        PassKernel kernel;
        int len, passes;
        std::vector<Sweep> sweeps;
    } cases[] = {
        {PassKernel::avx512, 100, 1, {{1, 1}}},
        {PassKernel::avx512, 100, 16, {{1, 16}}},
        {PassKernel::avx512, 100, 17, {{2, 17}}},
        {PassKernel::avx512, 100, 33, {{3, 33}}},
        {PassKernel::avx512, 100, 48, {{3, 48}}},
        {PassKernel::avx512, 100, 49, {{5, 49}}},
        {PassKernel::avx512, 100, 81, {{10, 81}}},  // six registers would hold it; 5 do not
        {PassKernel::avx512, 200, 199, {{10, 160}, {3, 39}}},
        {PassKernel::avx512, 400, 399, {{10, 160}, {10, 160}, {5, 79}}},  // chained, then the rest
        {PassKernel::avx2, 100, 8, {{1, 8}}},
        {PassKernel::avx2, 100, 9, {{2, 9}}},
        {PassKernel::avx2, 100, 17, {{4, 17}}},
        {PassKernel::avx2, 100, 33, {{7, 33}}},
        {PassKernel::avx2, 100, 99, {{7, 56}, {7, 43}}},
        {PassKernel::sse41, 30, 29, {{7, 28}, {1, 1}}},
        {PassKernel::sse41, 30, 9, {{4, 9}}},
        {PassKernel::fallback, 30, 5, {{2, 5}}},
        {PassKernel::fallback, 30, 12, {{3, 12}}},
        {PassKernel::fallback, 30, 13, {{6, 13}}},
        {PassKernel::neon, 60, 28, {{7, 28}}},
        {PassKernel::neon, 60, 29, {{14, 29}}},
    };
    for (const auto& c : cases) {
        // A kernel that does not run here, or the plain loop standing in for one, has no sweeps.
        const KernelRow& row = kernelRow(c.kernel);
        if (!kernelRunsHere(c.kernel) || row.kernel != c.kernel || row.lanes == 1) continue;
        std::vector<int> values(static_cast<std::size_t>(c.len));
        std::iota(values.rbegin(), values.rend(), 0);
        sweeps.clear();
        bubblePasses(c.kernel, values.data(), c.len, c.passes);
        EXPECT_EQ(sweeps, c.sweeps) << kernelName(c.kernel) << ", " << c.passes << " passes over "
                                    << c.len << ": " << shown(sweeps);
    }
}

}  // namespace
