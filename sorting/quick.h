// Quick sort that partitions each inclusive range around its last element: O(n log n) compares
// on average, n(n - 1) / 2 and n deep recursion on sorted input. Not stable: the exchanges
// carry values past their equals.
#pragma once

// Exchanges *x and *y.
template <typename Value>
void swap(Value* x, Value* y) {
    const Value held = *x;
    *x = *y;
    *y = held;
}

// Partitions arr[low..high] around the pivot arr[high]: values <= pivot end up left of it,
// greater ones right of it. Returns the pivot's final index.
template <typename Value>
int partition(Value* arr, int low, int high) {
    const Value pivot = arr[high];
    int i = low;
    for (int j = low; j < high; ++j) {
        if (arr[j] <= pivot) {
            swap(&arr[j], &arr[i]);
            ++i;
        }
    }
    swap(&arr[i], &arr[high]);
    return i;
}

// Sorts arr[low..high] ascending in place; does nothing when low >= high.
template <typename Value>
void quickSort(Value* arr, int low, int high) {
    if (low >= high) return;
    const int p = partition(arr, low, high);
    quickSort(arr, low, p - 1);
    quickSort(arr, p + 1, high);
}

// The programs sort ints, compiled once in quick.cpp; sort_steps sorts values that record what
// the sort does with them.
extern template void swap<int>(int* x, int* y);
extern template int partition<int>(int* arr, int low, int high);
extern template void quickSort<int>(int* arr, int low, int high);
