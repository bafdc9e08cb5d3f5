// Bubble-sort passes: the plain loop, and the same network run as a fast kernel.
#pragma once

// Runs `passes` bubble passes over arr[0..len): each pass compares every adjacent pair
// j = 0 .. len - 2 in order and exchanges it when arr[j] > arr[j + 1].
void plainBubblePasses(int* arr, int len, int passes);

// Leaves arr exactly as plainBubblePasses does, much faster.
void bubblePasses(int* arr, int len, int passes);
