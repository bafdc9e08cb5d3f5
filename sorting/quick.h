// Quick sort that partitions each inclusive range around its last element.
#pragma once

// Exchanges *x and *y.
void swap(int* x, int* y);

// Partitions arr[low..high] around the pivot arr[high]: values <= pivot end up left of it,
// greater ones right of it. Returns the pivot's final index.
int partition(int* arr, int low, int high);

// Sorts arr[low..high] ascending in place; does nothing when low >= high.
void quickSort(int* arr, int low, int high);
