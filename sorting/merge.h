// Top-down merge sort over inclusive index ranges of a caller's array.
#pragma once

// Sorts arr[low..high] ascending in place; does nothing when low >= high.
void mergeSort(int* arr, int low, int high);

// Merges the sorted runs arr[low..mid] and arr[mid + 1..high] into arr[low..high]. On equal
// values the right run's element goes first. Note the argument order: mid comes last.
void merge(int* arr, int low, int high, int mid);
