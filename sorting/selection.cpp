// The selection sort loop.
#include "selection.h"

#include <utility>

void selectionSort(int* arr, int len) {
    for (int i = 0; i < len - 1; ++i) {
        int min = i;
        for (int j = i + 1; j < len; ++j) {
            if (arr[j] < arr[min]) min = j;  // strict: the first of equal minima is taken
        }
        std::swap(arr[i], arr[min]);
    }
}
