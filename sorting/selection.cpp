// The selection sort over ints, compiled once for every program that sorts with it.
#include "selection.h"

template void selectionSort<int>(int* arr, int len);
