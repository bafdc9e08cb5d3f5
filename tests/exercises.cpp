// myFunc: the sequence's terms, including the negative arguments its recursion reaches.
#include <gtest/gtest.h>

#include <climits>

#include "myfunc.h"

namespace {

TEST(MyFunc, givesTheSequenceTerms) {
    const int terms[] = {0, 1, 1, 1, 2, 3, 4, 6, 9, 13, 19, 28};
    for (int m = 0; m < 12; ++m) EXPECT_EQ(myFunc(m), terms[m]) << m;
}

TEST(MyFunc, isZeroForNegativeArguments) {
    for (int m : {-1, -2, -3, -100, INT_MIN}) EXPECT_EQ(myFunc(m), 0) << m;
}

}  // namespace
