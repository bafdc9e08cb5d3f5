// The passes behind sortIt: the plain pass of plainpasses.h, run many at a time by the SIMD
// kernel in kernel/ (see docs/kernel.md for how).
#pragma once

// Leaves arr[0..len) exactly as plainBubblePasses(arr, len, passes) does, only faster.
void bubblePasses(int* arr, int len, int passes);
