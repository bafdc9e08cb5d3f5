// Merge, quick and selection sort: ties, sub-ranges, long ranges and the partition step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "merge.h"
#include "quick.h"
#include "selection.h"

namespace {

TEST(Merge, mergesTwoRunsWithEqualValues) {
    std::vector<int> values{2, 5, 1, 5};
    merge(values.data(), 0, 3, 1);
    EXPECT_EQ(values, (std::vector<int>{1, 2, 5, 5}));
}

TEST(Merge, onASubRangeLeavesItsNeighboursUntouched) {
    std::vector<int> values{9, 1, 4, 2, 3, 0};
    merge(values.data(), 1, 4, 2);
    EXPECT_EQ(values, (std::vector<int>{9, 1, 2, 3, 4, 0}));
    merge(values.data(), 5, 3, 4);  // an empty range
    EXPECT_EQ(values, (std::vector<int>{9, 1, 2, 3, 4, 0}));
}

struct RangeCase {
    int size;
    int low;
    int high;
};

TEST(Sorts, sortExactlyTheRangeAtAnySizeAndPosition) {
    const RangeCase cases[] = {{7, 0, 6},     {7, 3, 3},       {7, 4, 3},
                               {200, 0, 199}, {300, 120, 280}, {5000, 61, 4999}};
    using RangeSort = void (*)(int* arr, int low, int high);
    const RangeSort selection = [](int* arr, int low, int high) {
        selectionSort(arr + low, high - low + 1);
    };
    std::mt19937 random(5);
    for (RangeSort sort : {RangeSort{mergeSort}, RangeSort{quickSort}, selection}) {
        for (const RangeCase& c : cases) {
            std::vector<int> values(c.size);
            std::generate(values.begin(), values.end(),
                          [&random] { return static_cast<int>(random() % 50) - 25; });
            std::vector<int> expected = values;
            if (c.low < c.high) std::sort(expected.begin() + c.low, expected.begin() + c.high + 1);
            sort(values.data(), c.low, c.high);
            EXPECT_EQ(values, expected) << c.size << " " << c.low << ".." << c.high;
        }
    }
}

struct PartitionCase {
    std::vector<int> before;
    int result;
    std::vector<int> after;
};

TEST(Partition, putsValuesUpToThePivotLeftOfIt) {
    const PartitionCase cases[] = {
        {{3, 5, 6, 1, 4}, 2, {3, 1, 4, 5, 6}},
        {{2, 2, 2}, 2, {2, 2, 2}},
        {{1, 2, 3}, 2, {1, 2, 3}},
        {{3, 2, 1}, 0, {1, 2, 3}},
        {{7}, 0, {7}},
    };
    for (const PartitionCase& c : cases) {
        std::vector<int> values = c.before;
        EXPECT_EQ(partition(values.data(), 0, static_cast<int>(values.size()) - 1), c.result);
        EXPECT_EQ(values, c.after);
    }
}

TEST(Swap, exchangesTwoValuesAndKeepsOneSwappedWithItself) {
    int a = 1;
    int b = 2;
    swap(&a, &b);
    swap(&a, &a);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

}  // namespace
