// The SIMD bubble-pass kernel: many passes in one sweep over the array, as a pipeline of
// vector lanes; it leaves the array exactly as the plain loop does after the same passes.
#include <algorithm>
#include <cstddef>  // std::ptrdiff_t

#include "kernels.h"
#include "plainpasses.h"

// BUBBLE_SIMD comes from the build (1 unless switched off, or the compiler lacks GCC's vector
// extensions); built without it, every kernel is the plain loop.
#if BUBBLE_SIMD
#include <climits>  // INT_MIN, INT_MAX
#include <cstring>
#include <utility>  // std::integer_sequence
#include <vector>
#endif

#if defined(__x86_64__) || defined(__i386__)
#define BUBBLE_X86 1
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

#if BUBBLE_SIMD
namespace {

template <int Lanes>
struct Vector {
    using type [[gnu::vector_size(Lanes * sizeof(int))]] = int;
};

// Every lane of `out` takes its upper neighbour's value in v; the top lane takes top[0].
// (An out-parameter: returning a vector wider than the baseline's would draw -Wpsabi.)
template <typename Vec, int... Lane>
__attribute__((always_inline)) inline void shiftDown(Vec& out, const Vec& v, const Vec& top,
                                                     std::integer_sequence<int, Lane...>) {
#if defined(__clang__)
    out = __builtin_shufflevector(v, top, (Lane + 1)...);
#else  // GCC has __builtin_shufflevector only from version 12
    out = __builtin_shuffle(v, top, Vec{(Lane + 1)...});
#endif
}

// Runs `passes` (at most Lanes * Registers) passes over buf[0..len). buf must hold INT_MAX
// in the 2 * Lanes * Registers slots behind the data; the output's vector stores spoil
// some of them, which the caller restores.
template <int Registers, int... Lane>
__attribute__((always_inline)) inline void sweep(std::integer_sequence<int, Lane...> lanesIn,
                                                 int* buf, int len, int passes) {
    constexpr int lanes = sizeof...(Lane);
    constexpr int stages = lanes * Registers;
    using Vec = typename Vector<lanes>::type;

    Vec carry[Registers] = {};
    Vec emitted[Registers] = {};
    for (int r = 0; r < Registers; ++r) {
        carry[r] = Vec{(r + Registers * (lanes - 1 - Lane) < passes ? INT_MIN : INT_MAX)...};
        emitted[r] = Vec{} + INT_MIN;
    }

    const int delay = stages + passes - 1;
    const std::ptrdiff_t steps = static_cast<std::ptrdiff_t>(len) + delay;
    for (std::ptrdiff_t t = 0; t < steps; ++t) {
        // Register 0 takes the last register's previous output one lane down, the input on top.
        Vec first{};
        shiftDown(first, emitted[Registers - 1], Vec{} + buf[t], lanesIn);
#pragma GCC unroll 16
        for (int r = Registers - 1; r > 0; --r) {
            const Vec in = emitted[r - 1];
            emitted[r] = carry[r] < in ? carry[r] : in;
            carry[r] = carry[r] < in ? in : carry[r];
        }
        emitted[0] = carry[0] < first ? carry[0] : first;
        carry[0] = carry[0] < first ? first : carry[0];
        // Only lane 0 counts; the other lanes land on slots that later steps overwrite.
        if (t >= delay) std::memcpy(buf + t - delay, &emitted[Registers - 1], sizeof(Vec));
    }
}

template <int Lanes, int Registers>
__attribute__((always_inline)) inline void runPasses(int* arr, int len, int passes) {
    if (len < 2 || passes < 1) return;
    constexpr int stages = Lanes * Registers;
    constexpr size_t tail = size_t{2} * stages;  // room for the pads behind the data
    std::vector<int> buf(static_cast<size_t>(len) + tail);
    std::copy_n(arr, len, buf.begin());
    for (int left = passes; left > 0; left -= stages) {
        std::fill(buf.begin() + len, buf.end(), INT_MAX);
        sweep<Registers>(std::make_integer_sequence<int, Lanes>{}, buf.data(), len,
                         std::min(stages, left));
    }
    std::copy_n(buf.begin(), len, arr);
}

// Lanes and registers per kernel: as many carry registers as fit beside their emissions
// without spilling (read off the assembly). AVX-512 and NEON have 32 vector registers, AVX2
// and SSE 16; SSE2 needs more of them for its min and max, which it lacks for 32-bit ints.
constexpr int avx512Lanes = 16, avx512Registers = 10;
constexpr int avx2Lanes = 8, avx2Registers = 7;
constexpr int sse41Lanes = 4, sse41Registers = 7;
constexpr int neonLanes = 4, neonRegisters = 14;
constexpr int fallbackLanes = 4, fallbackRegisters = 6;

#if BUBBLE_X86
__attribute__((target("avx512f"))) void avx512Passes(int* arr, int len, int passes) {
    runPasses<avx512Lanes, avx512Registers>(arr, len, passes);
}
__attribute__((target("avx2"))) void avx2Passes(int* arr, int len, int passes) {
    runPasses<avx2Lanes, avx2Registers>(arr, len, passes);
}
__attribute__((target("sse4.1"))) void sse41Passes(int* arr, int len, int passes) {
    runPasses<sse41Lanes, sse41Registers>(arr, len, passes);  // pminsd and pmaxsd
}
#endif
#if defined(__aarch64__)
void neonPasses(int* arr, int len, int passes) {  // NEON is part of every AArch64 CPU
    runPasses<neonLanes, neonRegisters>(arr, len, passes);
}
#endif
void fallbackPasses(int* arr, int len, int passes) {
    runPasses<fallbackLanes, fallbackRegisters>(arr, len, passes);
}

}  // namespace
#endif  // BUBBLE_SIMD

namespace {

struct KernelShape {
    int lanes;
    int registers;
};

KernelShape kernelShape(PassKernel kernel) {
#if BUBBLE_SIMD
    switch (kernel) {
        case PassKernel::avx2:
            return {avx2Lanes, avx2Registers};
        case PassKernel::avx512:
            return {avx512Lanes, avx512Registers};
        case PassKernel::sse41:
            return {sse41Lanes, sse41Registers};
        case PassKernel::neon:
            return {neonLanes, neonRegisters};
        default:
            return {fallbackLanes, fallbackRegisters};
    }
#else
    static_cast<void>(kernel);
    return {1, 1};
#endif
}

}  // namespace

int kernelSweepPasses(PassKernel kernel) {
    const KernelShape shape = kernelShape(kernel);
    return shape.lanes * shape.registers;
}

int kernelLanes(PassKernel kernel) { return kernelShape(kernel).lanes; }

void bubblePasses(PassKernel kernel, int* arr, int len, int passes) {
#if BUBBLE_SIMD
    switch (kernel) {
#if BUBBLE_X86
        case PassKernel::avx512:
            return avx512Passes(arr, len, passes);
        case PassKernel::avx2:
            return avx2Passes(arr, len, passes);
        case PassKernel::sse41:
            return sse41Passes(arr, len, passes);
#endif
#if defined(__aarch64__)
        case PassKernel::neon:
            return neonPasses(arr, len, passes);
#endif
        default:
            return fallbackPasses(arr, len, passes);
    }
#else
    static_cast<void>(kernel);
    plainBubblePasses(arr, len, passes);
#endif
}
