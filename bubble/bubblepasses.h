// Bubble-sort passes: the plain loop, and the same compare-exchange network run as a fast
// SIMD kernel.
#pragma once

// Runs `passes` bubble passes over arr[0..len): each pass compares every adjacent pair
// j = 0 .. len - 2 in order and exchanges it when arr[j] > arr[j + 1].
void plainBubblePasses(int* arr, int len, int passes);

// The instruction sets the kernel is built for; fallback runs anywhere.
enum class PassKernel { fallback, avx2, avx512, neon };

bool kernelRunsHere(PassKernel kernel);

// The widest kernel this machine runs: the one bubblePasses(arr, len, passes) takes.
PassKernel bestKernel();
const char* kernelName(PassKernel kernel);

// How many passes the kernel runs in one sweep over the array.
int kernelSweepPasses(PassKernel kernel);

// Leaves arr exactly as plainBubblePasses does, with the given kernel, which must run here.
void bubblePasses(PassKernel kernel, int* arr, int len, int passes);

// The same with the fastest kernel this machine runs.
void bubblePasses(int* arr, int len, int passes);
