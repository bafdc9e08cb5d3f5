// The quick sort over ints, compiled once for every program that sorts with it.
#include "quick.h"

template void swap<int>(int* x, int* y);
template int partition<int>(int* arr, int low, int high);
template void quickSort<int>(int* arr, int low, int high);
