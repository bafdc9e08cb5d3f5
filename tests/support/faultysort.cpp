// sortsToTime() for a test-only build of sort_timing, in place of the project's list: a
// learner's insertion sort with a fault planted (its loop stops one short), and std::sort.
#include <algorithm>

#include "sortstotime.h"

std::vector<TimedSort> sortsToTime() {
    return {
        {"insertion", "insertion sort",
         [](int* a, int n) {
             for (int i = 1; i < n - 1; ++i) {  // the fault: i < n would sort
                 const int value = a[i];
                 int j = i;
                 for (; j > 0 && a[j - 1] > value; --j) a[j] = a[j - 1];
                 a[j] = value;
             }
         },
         1'000'000, 1'000'000},
        {referenceSort, "std::sort", [](int* a, int n) { std::sort(a, a + n); }, 1'000'000,
         1'000'000},
    };
}
