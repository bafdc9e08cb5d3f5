// trim: where the cut falls, and the test print.
#include "trim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "console.h"

namespace {

struct TrimCase {
    std::vector<int> before;
    int stopValue;
    std::vector<int> after;
};

TEST(Trim, keepsWhatStandsBeforeTheFirstStopValueInANewArray) {
    const TrimCase cases[] = {
        {{3, 2, 5, 1, 0, 8, 4}, 0, {3, 2, 5, 1}},
        {{0, 1, 2}, 0, {}},
        {{1, 2, 3}, 9, {1, 2, 3}},
        {{4, 7, 4, 7}, 7, {4}},
        {{}, 1, {}},
    };
    for (const TrimCase& c : cases) {
        int len = static_cast<int>(c.before.size());
        int* arr = new int[len];
        std::copy(c.before.begin(), c.before.end(), arr);
        const int* old = arr;
        trim(arr, len, c.stopValue);
        EXPECT_NE(arr, old);  // even when nothing is cut; trim freed the old one
        EXPECT_EQ(std::vector<int>(arr, arr + len), c.after);
        delete[] arr;
    }
}

TEST(TestPrint, printsEachValueWithABlankThenTheClosingSeparator) {
    int values[] = {3, -2};
    StreamCapture out(std::cout);
    testPrint(values, 2);
    testPrint(values, 0);
    EXPECT_EQ(out.text(),
              "result   >> 3 -2 \n---------------------\n\n\n"
              "result   >> \n---------------------\n\n\n");
}

}  // namespace
