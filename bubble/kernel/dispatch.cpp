// Which kernel runs: the widest this CPU offers, asked once; and the kernels' names.
#include <algorithm>
#include <iterator>

#include "bubblepasses.h"
#include "kernels.h"

#if defined(__x86_64__) || defined(__i386__)
#define BUBBLE_X86 1
#endif

bool kernelRunsHere(PassKernel kernel) {
    switch (kernel) {
        case PassKernel::fallback:
            return true;
#if BUBBLE_SIMD && BUBBLE_X86
        case PassKernel::avx2:
            return __builtin_cpu_supports("avx2");
        case PassKernel::avx512:
            return __builtin_cpu_supports("avx512f");
        case PassKernel::sse41:
            return __builtin_cpu_supports("sse4.1");
#endif
#if BUBBLE_SIMD && defined(__aarch64__)
        case PassKernel::neon:
            return true;
#endif
        default:
            return false;
    }
}

PassKernel bestKernel() {
    const PassKernel* found =
        std::find_if(std::begin(allKernels), std::end(allKernels), kernelRunsHere);
    return found != std::end(allKernels) ? *found : PassKernel::fallback;
}

const char* kernelName(PassKernel kernel) {
    switch (kernel) {
        case PassKernel::avx2:
            return "avx2";
        case PassKernel::avx512:
            return "avx512";
        case PassKernel::sse41:
            return "sse41";
        case PassKernel::neon:
            return "neon";
        default:
            return "fallback";
    }
}

void bubblePasses(int* arr, int len, int passes) {
    static const PassKernel best = bestKernel();
    bubblePasses(best, arr, len, passes);
}
