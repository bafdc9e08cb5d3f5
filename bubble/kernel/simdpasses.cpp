// The SIMD bubble-pass kernel: many passes in one sweep over the array, as a pipeline of
// vector lanes; it leaves the array exactly as the plain loop does after the same passes.
// One pipeline (pipeline.inl) over a handful of vector operations per instruction set.
#include <algorithm>
#include <climits>  // INT_MIN, INT_MAX
#include <cstddef>  // std::ptrdiff_t, std::size_t
#include <iterator>
#include <utility>  // std::integer_sequence
#include <vector>

#include "compiler.h"
#include "kernels.h"
#include "plainpasses.h"

// BUBBLE_SIMD comes from the build (1 unless switched off); built without it, or for another
// architecture than x86 and ARM64, every kernel is the plain loop.
#if BUBBLE_SIMD && BUBBLE_X86
#include <immintrin.h>
#elif BUBBLE_SIMD && BUBBLE_ARM64
#include <arm_neon.h>
#endif

// How the kernel works (docs/kernel.md draws it)
//
// One pass is "emit the minimum, carry the maximum": carry = a[0]; for each next x,
// a[j] = min(carry, x) and carry = max(carry, x); the last slot takes the carry. Pass p + 1
// needs only what pass p has already emitted, so a group of K passes is a pipeline of K
// stages, each with its own carry, through which every element flows once.
//
// The K = R * L carries sit in R vector registers of L lanes. Stage s lives in register
// s % R, lane L - 1 - s / R, so register r feeds register r + 1 in the same lane, and only
// the last register's output moves one lane down to feed register 0: one lane shift per
// step, whose new top lane is the next input element. Each step every stage takes what its
// predecessor emitted in the previous step, so the R registers are independent within a step.
// Lane 0 of the last register is the last stage: its emission is the output.
//
// Stages start with carry INT_MIN and see INT_MIN until the data reaches them: that is a
// bubble pass over the data with INT_MIN in front, which leaves the data exactly as a pass
// without it does, whatever the data holds (equal values never exchange). Behind the data
// come INT_MAX values, which drain the pipeline the same way. The output is taken by
// position, never by value, so data holding INT_MIN or INT_MAX stays exact. A group of
// P < K passes sets the carries of its last K - P stages to INT_MAX: such a stage passes its
// input through unchanged.
//
// An active stage delays the stream by two steps (one for the carry), a pass-through stage by
// one, so output j leaves at step j + K + P - 1, and the group takes len + K + P - 1 steps.
//
// Registers per kernel: as many carry registers as fit beside their emissions without
// spilling (read off the assembly). AVX-512 and NEON have 32 vector registers, AVX2 and SSE
// 16; SSE2 needs more of them for its min and max, which it lacks for 32-bit ints.

#if BUBBLE_SIMD && BUBBLE_X86
BUBBLE_AVX512_WARNINGS_BEGIN
BUBBLE_TARGET_BEGIN("avx512f")
namespace {
namespace avx512 {
struct Ops {
    using V = __m512i;
    static constexpr int lanes = 16;
    static BUBBLE_ALWAYS_INLINE V broadcast(int x) { return _mm512_set1_epi32(x); }
    static BUBBLE_ALWAYS_INLINE V load(const int* p) { return _mm512_loadu_si512(p); }
    static BUBBLE_ALWAYS_INLINE V min(V a, V b) { return _mm512_min_epi32(a, b); }
    static BUBBLE_ALWAYS_INLINE V max(V a, V b) { return _mm512_max_epi32(a, b); }
    // Every lane takes its upper neighbour's value in v; the top lane takes *top.
    static BUBBLE_ALWAYS_INLINE V shiftIn(V v, const int* top) {
        return _mm512_alignr_epi32(_mm512_set1_epi32(*top), v, 1);
    }
    static BUBBLE_ALWAYS_INLINE void store(int* p, V v) { _mm512_storeu_si512(p, v); }
};
#include "pipeline.inl"  // NOLINT(readability-duplicate-include): once per instruction set
constexpr int registers = 10;
void passes(int* arr, int len, int count) { runPasses<registers>(arr, len, count); }
}  // namespace avx512
}  // namespace
BUBBLE_TARGET_END
BUBBLE_AVX512_WARNINGS_END

BUBBLE_TARGET_BEGIN("avx2")
namespace {
namespace avx2 {
struct Ops {
    using V = __m256i;
    static constexpr int lanes = 8;
    static BUBBLE_ALWAYS_INLINE V broadcast(int x) { return _mm256_set1_epi32(x); }
    static BUBBLE_ALWAYS_INLINE V load(const int* p) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    static BUBBLE_ALWAYS_INLINE V min(V a, V b) { return _mm256_min_epi32(a, b); }
    static BUBBLE_ALWAYS_INLINE V max(V a, V b) { return _mm256_max_epi32(a, b); }
    // The upper half of v beside the new value, then each 128-bit half one lane down.
    static BUBBLE_ALWAYS_INLINE V shiftIn(V v, const int* top) {
        return _mm256_alignr_epi8(_mm256_permute2x128_si256(v, _mm256_set1_epi32(*top), 0x21), v,
                                  4);
    }
    static BUBBLE_ALWAYS_INLINE void store(int* p, V v) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
    }
};
#include "pipeline.inl"  // NOLINT(readability-duplicate-include): once per instruction set
constexpr int registers = 7;
void passes(int* arr, int len, int count) { runPasses<registers>(arr, len, count); }
}  // namespace avx2
}  // namespace
BUBBLE_TARGET_END

BUBBLE_TARGET_BEGIN("sse4.1")
namespace {
namespace sse41 {
struct Ops {
    using V = __m128i;
    static constexpr int lanes = 4;
    static BUBBLE_ALWAYS_INLINE V broadcast(int x) { return _mm_set1_epi32(x); }
    static BUBBLE_ALWAYS_INLINE V load(const int* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static BUBBLE_ALWAYS_INLINE V min(V a, V b) { return _mm_min_epi32(a, b); }  // pminsd
    static BUBBLE_ALWAYS_INLINE V max(V a, V b) { return _mm_max_epi32(a, b); }  // pmaxsd
    static BUBBLE_ALWAYS_INLINE V shiftIn(V v, const int* top) {
        return _mm_alignr_epi8(_mm_set1_epi32(*top), v, 4);
    }
    static BUBBLE_ALWAYS_INLINE void store(int* p, V v) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    }
};
#include "pipeline.inl"  // NOLINT(readability-duplicate-include): once per instruction set
constexpr int registers = 7;
void passes(int* arr, int len, int count) { runPasses<registers>(arr, len, count); }
}  // namespace sse41
}  // namespace
BUBBLE_TARGET_END

// SSE2, which every x86-64 CPU has: min and max from a compare and three logic operations.
namespace {
namespace fallback {
struct Ops {
    using V = __m128i;
    static constexpr int lanes = 4;
    static BUBBLE_ALWAYS_INLINE V broadcast(int x) { return _mm_set1_epi32(x); }
    static BUBBLE_ALWAYS_INLINE V load(const int* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static BUBBLE_ALWAYS_INLINE V min(V a, V b) {
        const V aAbove = _mm_cmpgt_epi32(a, b);
        return _mm_or_si128(_mm_and_si128(aAbove, b), _mm_andnot_si128(aAbove, a));
    }
    static BUBBLE_ALWAYS_INLINE V max(V a, V b) {
        const V aAbove = _mm_cmpgt_epi32(a, b);
        return _mm_or_si128(_mm_and_si128(aAbove, a), _mm_andnot_si128(aAbove, b));
    }
    static BUBBLE_ALWAYS_INLINE V shiftIn(V v, const int* top) {
        return _mm_or_si128(_mm_srli_si128(v, 4), _mm_slli_si128(_mm_cvtsi32_si128(*top), 12));
    }
    static BUBBLE_ALWAYS_INLINE void store(int* p, V v) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    }
};
#include "pipeline.inl"  // NOLINT(readability-duplicate-include): once per instruction set
constexpr int lanes = Ops::lanes, registers = 6;
void passes(int* arr, int len, int count) { runPasses<registers>(arr, len, count); }
}  // namespace fallback
}  // namespace
#endif  // BUBBLE_SIMD && BUBBLE_X86

#if BUBBLE_SIMD && BUBBLE_ARM64
namespace {
namespace neon {  // NEON is part of every ARM64 CPU
struct Ops {
    using V = int32x4_t;
    static constexpr int lanes = 4;
    static BUBBLE_ALWAYS_INLINE V broadcast(int x) { return vdupq_n_s32(x); }
    static BUBBLE_ALWAYS_INLINE V load(const int* p) { return vld1q_s32(p); }
    static BUBBLE_ALWAYS_INLINE V min(V a, V b) { return vminq_s32(a, b); }
    static BUBBLE_ALWAYS_INLINE V max(V a, V b) { return vmaxq_s32(a, b); }
    static BUBBLE_ALWAYS_INLINE V shiftIn(V v, const int* top) {
        return vextq_s32(v, vld1q_dup_s32(top), 1);
    }
    static BUBBLE_ALWAYS_INLINE void store(int* p, V v) { vst1q_s32(p, v); }
};
#include "pipeline.inl"  // NOLINT(readability-duplicate-include): once per instruction set
constexpr int registers = 14;
void passes(int* arr, int len, int count) { runPasses<registers>(arr, len, count); }
}  // namespace neon
}  // namespace
#endif

#if !(BUBBLE_SIMD && BUBBLE_X86)
namespace {
namespace fallback {  // elsewhere the fallback is the plain loop
constexpr int lanes = 1, registers = 1;
void passes(int* arr, int len, int count) { plainBubblePasses(arr, len, count); }
}  // namespace fallback
}  // namespace
#endif

namespace {

// One row per kernel this build has: the dispatch, the tests and the benchmark read them.
const KernelRow kernelRows[] = {
#if BUBBLE_SIMD && BUBBLE_X86
    {PassKernel::avx512, "AVX-512", avx512::Ops::lanes, avx512::registers, &CpuFeatures::avx512,
     avx512::passes},
    {PassKernel::avx2, "AVX2", avx2::Ops::lanes, avx2::registers, &CpuFeatures::avx2, avx2::passes},
    {PassKernel::sse41, "SSE4.1", sse41::Ops::lanes, sse41::registers, &CpuFeatures::sse41,
     sse41::passes},
#endif
#if BUBBLE_SIMD && BUBBLE_ARM64
    {PassKernel::neon, "NEON", neon::Ops::lanes, neon::registers, &CpuFeatures::neon, neon::passes},
#endif
    {PassKernel::fallback, "fallback", fallback::lanes, fallback::registers, &CpuFeatures::any,
     fallback::passes},
};

// Every kernel's name, in PassKernel's order, whether or not this build has it: the names
// name the tests and benchmarks of them all.
const char* const kernelNames[] = {"fallback", "sse41", "avx2", "avx512", "neon"};
static_assert(std::size(kernelNames) == std::size(allKernels), "a name for every kernel");

}  // namespace

const KernelRow& kernelRow(PassKernel kernel) {
    const auto rowOf = [](PassKernel wanted) {
        return std::find_if(std::begin(kernelRows), std::end(kernelRows),
                            [wanted](const KernelRow& row) { return row.kernel == wanted; });
    };
    const KernelRow* found = rowOf(kernel);
    return found != std::end(kernelRows) ? *found : *rowOf(PassKernel::fallback);
}

const char* kernelName(PassKernel kernel) { return kernelNames[static_cast<int>(kernel)]; }

int kernelSweepPasses(PassKernel kernel) {
    const KernelRow& row = kernelRow(kernel);
    return row.lanes * row.registers;
}

int kernelLanes(PassKernel kernel) { return kernelRow(kernel).lanes; }

void bubblePasses(PassKernel kernel, int* arr, int len, int passes) {
    kernelRow(kernel).passes(arr, len, passes);
}
