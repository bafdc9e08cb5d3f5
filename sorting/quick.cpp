// Quick sort with last-element pivots: O(n log n) compares on average, n(n - 1) / 2 and n deep
// recursion on sorted input. Not stable: the exchanges carry values past their equals.
#include "quick.h"

void swap(int* x, int* y) {
    const int held = *x;
    *x = *y;
    *y = held;
}

int partition(int* arr, int low, int high) {
    const int pivot = arr[high];
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

void quickSort(int* arr, int low, int high) {
    if (low >= high) return;
    const int p = partition(arr, low, high);
    quickSort(arr, low, p - 1);
    quickSort(arr, p + 1, high);
}
