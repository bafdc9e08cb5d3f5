// sortIt's pass count, seen through a bubblePasses of this test's own, linked in place of the
// kernel's dispatch: the result alone cannot tell len - 1 passes from len + 1.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "bubbleSort.h"
#include "bubblepasses.h"
#include "console.h"
#include "plainpasses.h"

namespace {
int passesAskedFor = 0;
}

void bubblePasses(int* arr, int len, int passes) {
    passesAskedFor += passes;
    plainBubblePasses(arr, len, passes);
}

namespace {

TEST(SortIt, asksForLenMinusOnePassesAndNoneBelowTwo) {
    const struct {
        int len;
        int passes;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {100, 99}};
    for (const auto& c : cases) {
        passesAskedFor = 0;
        std::vector<int> values(c.len, 1);
        StreamCapture out(std::cout);
        bubbleSort().sortIt(values.data(), c.len);
        EXPECT_EQ(passesAskedFor, c.passes) << "len " << c.len;
    }
}

}  // namespace
