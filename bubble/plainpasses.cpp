// The plain bubble pass: what sortIt's passes mean, the reference the SIMD kernel is tested
// against, and the baseline the benchmarks time it against. len - 1 compares a pass; stable,
// since only a strictly greater value moves up.
#include "plainpasses.h"

#include <utility>

void plainBubblePasses(int* arr, int len, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        for (int j = 0; j < len - 1; ++j) {
            if (arr[j] > arr[j + 1]) std::swap(arr[j], arr[j + 1]);
        }
    }
}
