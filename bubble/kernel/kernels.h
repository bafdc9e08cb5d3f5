// The bubble-pass kernels by name, for the dispatch, the tests and the benchmarks; sortIt
// needs none of this (it calls bubblePasses, in bubblepasses.h).
#pragma once

// The instruction sets the kernel is built for; fallback runs anywhere.
enum class PassKernel { fallback, sse41, avx2, avx512, neon };

// Every kernel, widest first: the tests and the benchmark go through all of them, so that
// none can be left out.
constexpr PassKernel allKernels[] = {PassKernel::avx512, PassKernel::avx2, PassKernel::sse41,
                                     PassKernel::neon, PassKernel::fallback};

// What this CPU and its OS run: cpuid's feature bits, and for AVX and AVX-512 the register
// state the OS saves (XCR0).
struct CpuFeatures {
    bool any = true;  // every CPU runs the fallback
    bool sse41 = false;
    bool avx2 = false;
    bool avx512 = false;
    bool neon = false;
};
CpuFeatures thisCpu();

// One kernel's facts, one row each (simdpasses.cpp): a new kernel is a row plus its vector
// operations.
struct KernelRow {
    PassKernel kernel;  // its name, "avx512", in test and benchmark names: kernelName
    const char* label;  // in the docs and the growth picture: "AVX-512"
    int lanes;          // per register
    int registers;      // of carries: a sweep runs lanes * registers passes
    bool CpuFeatures::*runsOn;
    void (*passes)(int* arr, int len, int passes);
};
// The kernel's row; a kernel not built here (another architecture, or BUBBLE_SIMD off) gets
// the fallback's row.
const KernelRow& kernelRow(PassKernel kernel);

bool kernelRunsHere(PassKernel kernel);
const char* kernelName(PassKernel kernel);
int kernelSweepPasses(PassKernel kernel);  // lanes times registers
int kernelLanes(PassKernel kernel);

// The faster of two kernels that run here, each by its best of `rounds` timed rounds of `time`
// (seconds), the two taking turns so that a busy neighbour or a clock ramping up weighs on both
// alike; the wider one on a tie.
PassKernel fasterKernel(PassKernel wider, PassKernel narrower, double (*time)(PassKernel),
                        int rounds);

// The probe: bestKernel times 320 passes over 2048 values with each kernel, 7 rounds each, and
// keeps the faster. Why these numbers: 320 passes are two whole AVX-512 sweeps, which run
// chained as they do in bubble_bench's trials (one sweep alone would not), so the probe's work
// has the same mix of filling, running and draining as the whole workload, and picks AVX2 when
// the workload would too (a test checks that by counting steps). Seven rounds, because a busy
// neighbour rarely slows all seven. The whole probe takes about 0.4 ms.
constexpr int probeLength = 2048;
constexpr int probePasses = 320;
constexpr int probeRounds = 7;

// The widest kernel this machine runs, but where AVX-512 runs, whichever of AVX-512 and AVX2
// the probe finds faster (on many cores 512-bit min and max run at half the 256-bit rate, and
// AVX2's shorter pipeline may then win). Probes anew at each call.
PassKernel bestKernel();

// The kernel bubblePasses(arr, len, passes) takes: bestKernel(), asked once for the whole
// process. Whatever reports the kernel in use asks this.
PassKernel chosenKernel();

// Leaves arr exactly as plainBubblePasses does, with the given kernel, which must run here.
void bubblePasses(PassKernel kernel, int* arr, int len, int passes);
