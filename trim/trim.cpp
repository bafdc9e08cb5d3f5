// trim and testPrint.
#include "trim.h"

#include <algorithm>
#include <iostream>

void trim(int*& arr, int& len, int stopValue) {
    const int kept = static_cast<int>(std::find(arr, arr + len, stopValue) - arr);
    int* trimmed = new int[kept];
    std::copy_n(arr, kept, trimmed);
    delete[] arr;
    arr = trimmed;
    len = kept;
}

void testPrint(int* arr, int len) {
    std::cout << "result   >> ";
    for (int i = 0; i < len; ++i) std::cout << arr[i] << ' ';
    std::cout << "\n---------------------\n\n" << std::endl;
}
