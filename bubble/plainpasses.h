// The plain bubble pass: the textbook loop, and the definition every faster version must match.
#pragma once

// Runs `passes` bubble passes over arr[0..len): each pass compares every adjacent pair
// j = 0 .. len - 2 in order and exchanges it when arr[j] > arr[j + 1].
void plainBubblePasses(int* arr, int len, int passes);
