// Bubble-sort passes.
#include "bubblepasses.h"

#include <utility>

void plainBubblePasses(int* arr, int len, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        for (int j = 0; j < len - 1; ++j) {
            if (arr[j] > arr[j + 1]) std::swap(arr[j], arr[j + 1]);
        }
    }
}

void bubblePasses(int* arr, int len, int passes) { plainBubblePasses(arr, len, passes); }
