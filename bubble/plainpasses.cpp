// The plain bubble-pass loop: the reference that the kernel must match, and the baseline that
// the benchmark measures it against.
#include <utility>

#include "bubblepasses.h"

void plainBubblePasses(int* arr, int len, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        for (int j = 0; j < len - 1; ++j) {
            if (arr[j] > arr[j + 1]) std::swap(arr[j], arr[j + 1]);
        }
    }
}
