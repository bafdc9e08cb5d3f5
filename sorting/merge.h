// Top-down merge sort over inclusive index ranges of a caller's array: O(n log n) compares and
// moves, a scratch run as long as each merged range. Not stable: on a tie the right run goes
// first (<= would keep ties in order; for ints nobody can tell).
#pragma once

#include <vector>

// Merges the sorted runs arr[low..mid] and arr[mid + 1..high] into arr[low..high]. On equal
// values the right run's element goes first. Note the argument order: mid comes last.
template <typename Value>
void merge(Value* arr, int low, int high, int mid) {
    if (high < low) return;  // an empty range
    std::vector<Value> scratch;
    scratch.reserve(high - low + 1);
    int i = low;
    int j = mid + 1;
    while (i <= mid && j <= high) {
        // Only a strictly smaller left element goes first.
        scratch.push_back(arr[i] < arr[j] ? arr[i++] : arr[j++]);
    }
    while (i <= mid) scratch.push_back(arr[i++]);
    while (j <= high) scratch.push_back(arr[j++]);
    for (int k = low; k <= high; ++k) arr[k] = scratch[k - low];
}

// Sorts arr[low..high] ascending in place; does nothing when low >= high.
template <typename Value>
void mergeSort(Value* arr, int low, int high) {
    if (low >= high) return;
    const int mid = low + (high - low) / 2;
    mergeSort(arr, low, mid);
    mergeSort(arr, mid + 1, high);
    merge(arr, low, high, mid);
}

// The programs sort ints, compiled once in merge.cpp; sort_steps sorts values that record
// what the sort does with them.
extern template void merge<int>(int* arr, int low, int high, int mid);
extern template void mergeSort<int>(int* arr, int low, int high);
