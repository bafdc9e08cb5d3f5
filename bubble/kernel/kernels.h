// The bubble-pass kernels by name, for the dispatch, the tests and the benchmarks; sortIt
// needs none of this (it calls bubblePasses, in bubblepasses.h).
#pragma once

// The instruction sets the kernel is built for; fallback runs anywhere.
enum class PassKernel { fallback, sse41, avx2, avx512, neon };

// Every kernel, widest first: the dispatch takes the first that runs here, and the tests and
// the benchmark go through all of them, so that none can be left out.
constexpr PassKernel allKernels[] = {PassKernel::avx512, PassKernel::avx2, PassKernel::sse41,
                                     PassKernel::neon, PassKernel::fallback};

bool kernelRunsHere(PassKernel kernel);

// The widest kernel this machine runs: the one bubblePasses(arr, len, passes) takes.
PassKernel bestKernel();
const char* kernelName(PassKernel kernel);

// How many passes the kernel runs in one sweep over the array: lanes times registers.
int kernelSweepPasses(PassKernel kernel);
// How many lanes each of its registers holds.
int kernelLanes(PassKernel kernel);

// Leaves arr exactly as plainBubblePasses does, with the given kernel, which must run here.
void bubblePasses(PassKernel kernel, int* arr, int len, int passes);
