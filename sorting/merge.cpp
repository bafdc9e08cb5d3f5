// Top-down merge sort: O(n log n) compares and moves, a scratch run as long as each merged
// range. Not stable: on a tie the right run goes first (<= would keep ties in order; for ints
// nobody can tell).
#include "merge.h"

#include <vector>

void mergeSort(int* arr, int low, int high) {
    if (low >= high) return;
    const int mid = low + (high - low) / 2;
    mergeSort(arr, low, mid);
    mergeSort(arr, mid + 1, high);
    merge(arr, low, high, mid);
}

void merge(int* arr, int low, int high, int mid) {
    if (high < low) return;  // an empty range
    std::vector<int> scratch;
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
