// What differs between GCC, Clang and MSVC for the kernel, in one place: the architecture,
// regions of code built for an instruction set, forced inlining, and asking the CPU.
#pragma once

// x86-64 only: a 32-bit x86 build gets the plain loop, as other architectures do.
#if defined(__x86_64__) || defined(_M_X64) || defined(_M_AMD64)
#define BUBBLE_X86 1
#else
#define BUBBLE_X86 0
#endif
#if defined(__aarch64__) || defined(_M_ARM64)
#define BUBBLE_ARM64 1
#else
#define BUBBLE_ARM64 0
#endif

// BUBBLE_TARGET_BEGIN("avx2") ... BUBBLE_TARGET_END: the functions between are built for that
// instruction set (GCC and Clang need it for its intrinsics; MSVC takes any intrinsic as is).
#if defined(_MSC_VER) && !defined(__clang__)
#define BUBBLE_ALWAYS_INLINE __forceinline
#define BUBBLE_TARGET_BEGIN(isa)
#define BUBBLE_TARGET_END
#else
#define BUBBLE_ALWAYS_INLINE inline __attribute__((always_inline))
#define BUBBLE_PRAGMA(text) _Pragma(#text)
#if defined(__clang__)
#define BUBBLE_TARGET_BEGIN(isa) \
    BUBBLE_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define BUBBLE_TARGET_END _Pragma("clang attribute pop")
#else
#define BUBBLE_TARGET_BEGIN(isa) _Pragma("GCC push_options") BUBBLE_PRAGMA(GCC target(isa))
#define BUBBLE_TARGET_END _Pragma("GCC pop_options")
#endif
#endif

// BUBBLE_AVX512_WARNINGS_BEGIN ... END, around the AVX-512 kernel alone: GCC 12's AVX-512
// headers pass an undefined vector as the unused mask source, which its -Wmaybe-uninitialized
// misreads (GCC bug 105593, fixed in GCC 13).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ < 13
#define BUBBLE_AVX512_WARNINGS_BEGIN \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wmaybe-uninitialized\"")
#define BUBBLE_AVX512_WARNINGS_END _Pragma("GCC diagnostic pop")
#else
#define BUBBLE_AVX512_WARNINGS_BEGIN
#define BUBBLE_AVX512_WARNINGS_END
#endif

// BUBBLE_SWEEP_HOOK(sweeps, registers, passes): a sweep, or `sweeps` chained ones, starting on
// `registers` registers of carries for `passes` passes each. Empty, so that the kernel's object
// code stays as it is, but in the test build of the kernel (BUBBLE_RECORD_SWEEPS), which
// records each sweep's register count to check which register counts the sweeps run on.
#if BUBBLE_RECORD_SWEEPS
void recordSweeps(int sweeps, int registers, int passes);
#define BUBBLE_SWEEP_HOOK(sweeps, registers, passes) recordSweeps(sweeps, registers, passes)
#else
#define BUBBLE_SWEEP_HOOK(sweeps, registers, passes)
#endif

#if BUBBLE_X86
#if defined(_MSC_VER) && !defined(__clang__)
#include <immintrin.h>  // _xgetbv
#include <intrin.h>     // __cpuidex

// The four registers cpuid returns for a leaf and subleaf: eax, ebx, ecx, edx.
inline void cpuid(unsigned leaf, unsigned subleaf, unsigned (&registers)[4]) {
    int out[4];
    __cpuidex(out, static_cast<int>(leaf), static_cast<int>(subleaf));
    for (int i = 0; i < 4; ++i) registers[i] = static_cast<unsigned>(out[i]);
}
// The register state the OS saves (XCR0); ask only when cpuid reports OSXSAVE.
inline unsigned long long extendedControlRegister() { return _xgetbv(0); }
#else
#include <cpuid.h>  // __cpuid_count

inline void cpuid(unsigned leaf, unsigned subleaf, unsigned (&registers)[4]) {
    __cpuid_count(leaf, subleaf, registers[0], registers[1], registers[2], registers[3]);
}
inline unsigned long long extendedControlRegister() {
    unsigned low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return static_cast<unsigned long long>(high) << 32 | low;
}
#endif
#endif
