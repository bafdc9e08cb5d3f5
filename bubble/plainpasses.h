// The plain bubble pass: the textbook loop, and the definition every faster version must match.
#pragma once

#include <utility>

// Runs `passes` bubble passes over arr[0..len): each pass compares every adjacent pair
// j = 0 .. len - 2 in order and exchanges it when arr[j] > arr[j + 1]. len - 1 compares a
// pass; stable, since only a strictly greater value moves up. The programs run it on ints; a
// test runs it on a value type that counts its comparisons.
template <typename Value>
void plainBubblePasses(Value* arr, int len, int passes) {
    // Every pass runs to the end, even after a pass that swapped nothing: sortIt's passes make
    // (len - 1)^2 comparisons whatever the data. A loop that stopped there would sort sorted
    // input in one pass of len - 1 comparisons; none of the timed sorts does that.
    for (int pass = 0; pass < passes; ++pass) {
        for (int j = 0; j < len - 1; ++j) {
            if (arr[j] > arr[j + 1]) std::swap(arr[j], arr[j + 1]);
        }
    }
}

// The passes over ints are compiled once, in plainpasses.cpp.
extern template void plainBubblePasses<int>(int* arr, int len, int passes);
