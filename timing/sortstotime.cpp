// The sorts sort_timing times. To time a sort of your own, add an entry to the list below: the
// shortest is a lambda written in place, as std::sort's is (README says more).
#include "sortstotime.h"

#include <algorithm>
#include <string>

#include "bubblepasses.h"
#include "kernels.h"
#include "merge.h"
#include "plainpasses.h"
#include "quick.h"
#include "selection.h"

std::vector<TimedSort> sortsToTime() {
    const std::string kernel = kernelName(chosenKernel());
    return {
        // {name in the table and picture, name in the progress line, a call that sorts
        //  a[0..n), largest n on random input, largest n on sorted input}
        {"bubble (" + kernel + ")", "the bubble kernel",
         [](int* a, int n) { bubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"bubble (plain)", "the plain bubble loop",
         [](int* a, int n) { plainBubblePasses(a, n, n - 1); }, 1'000'000, 1'000'000},
        {"selection", "selection sort", [](int* a, int n) { selectionSort(a, n); }, 1'000'000,
         1'000'000},
        {"merge", "merge sort", [](int* a, int n) { mergeSort(a, 0, n - 1); }, 1'000'000,
         1'000'000},
        // On sorted input quick sort recurses n deep: capped well below what a 1 MB stack
        // (Windows' default) holds.
        {"quick", "quick sort", [](int* a, int n) { quickSort(a, 0, n - 1); }, 1'000'000, 10'000},
        {referenceSort, "std::sort", [](int* a, int n) { std::sort(a, a + n); }, 1'000'000,
         1'000'000},
    };
}
