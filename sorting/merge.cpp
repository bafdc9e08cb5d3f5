// The merge sort over ints, compiled once for every program that sorts with it.
#include "merge.h"

template void merge<int>(int* arr, int low, int high, int mid);
template void mergeSort<int>(int* arr, int low, int high);
