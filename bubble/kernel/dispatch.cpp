// Which kernel runs: what the CPU offers, asked once, and where two widths run, the faster.
#include <algorithm>
#include <chrono>
#include <cmath>  // HUGE_VAL
#include <vector>

#include "bubblepasses.h"
#include "compiler.h"
#include "kernels.h"

CpuFeatures thisCpu() {
    CpuFeatures cpu;
#if BUBBLE_X86
    unsigned r[4] = {};  // eax, ebx, ecx, edx
    cpuid(0, 0, r);
    const unsigned maxLeaf = r[0];
    cpuid(1, 0, r);
    cpu.sse41 = (r[2] & (1u << 19)) != 0;
    const bool osSavesState = (r[2] & (1u << 27)) != 0;  // OSXSAVE: xgetbv may be asked
    if (osSavesState && maxLeaf >= 7) {
        const unsigned long long saved = extendedControlRegister();
        cpuid(7, 0, r);
        // XMM and YMM state for AVX2; also the mask and upper ZMM state for AVX-512.
        cpu.avx2 = (saved & 0x06) == 0x06 && (r[1] & (1u << 5)) != 0;
        cpu.avx512 = (saved & 0xe6) == 0xe6 && (r[1] & (1u << 16)) != 0;
    }
#elif BUBBLE_ARM64
    cpu.neon = true;
#endif
    return cpu;
}

bool kernelRunsHere(PassKernel kernel) {
    static const CpuFeatures cpu = thisCpu();
    const KernelRow& row = kernelRow(kernel);
    return row.kernel == kernel && cpu.*row.runsOn;
}

PassKernel fasterKernel(PassKernel wider, PassKernel narrower, double (*time)(PassKernel),
                        int rounds) {
    double widerBest = HUGE_VAL;
    double narrowerBest = HUGE_VAL;
    for (int round = 0; round < rounds; ++round) {
        // Each goes first in every other round: neither always meets a cold cache or clock.
        if (round % 2 == 0) widerBest = std::min(widerBest, time(wider));
        narrowerBest = std::min(narrowerBest, time(narrower));
        if (round % 2 == 1) widerBest = std::min(widerBest, time(wider));
    }
    return narrowerBest < widerBest ? narrower : wider;
}

namespace {

// Seconds that probePasses passes over probeLength values take.
double probe(PassKernel kernel) {
    std::vector<int> values(probeLength);
    unsigned seed = 1;
    std::generate(values.begin(), values.end(),
                  [&seed] { return static_cast<int>((seed = seed * 1103515245u + 12345u) >> 8); });
    const auto start = std::chrono::steady_clock::now();
    bubblePasses(kernel, values.data(), probeLength, probePasses);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

}  // namespace

PassKernel bestKernel() {
    const PassKernel* widest =
        std::find_if(std::begin(allKernels), std::end(allKernels), kernelRunsHere);
    if (widest == std::end(allKernels)) return PassKernel::fallback;
    if (*widest == PassKernel::avx512 && kernelRunsHere(PassKernel::avx2)) {
        return fasterKernel(PassKernel::avx512, PassKernel::avx2, probe, probeRounds);
    }
    return *widest;
}

PassKernel chosenKernel() {
    static const PassKernel chosen = bestKernel();
    return chosen;
}

void bubblePasses(int* arr, int len, int passes) { bubblePasses(chosenKernel(), arr, len, passes); }
