// Selection sort: each round finds the smallest value left and exchanges it into place.
#pragma once

#include <utility>

// Sorts arr[0..len) ascending in place. Exactly len(len - 1)/2 comparisons and len - 1
// exchanges whatever the data; not stable, as an exchange can carry a value past its equal.
// The programs sort ints; sort_steps sorts values that record what the loop does with them.
template <typename Value>
void selectionSort(Value* arr, int len) {
    for (int i = 0; i < len - 1; ++i) {
        int min = i;
        for (int j = i + 1; j < len; ++j) {
            if (arr[j] < arr[min]) min = j;  // strict: the first of equal minima is taken
        }
        std::swap(arr[i], arr[min]);
    }
}

// The int version is compiled once, in selection.cpp.
extern template void selectionSort<int>(int* arr, int len);
