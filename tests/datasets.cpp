// Data-set format: field conversion, the load loop, its limits and its failures.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "dataset.h"

namespace {

using namespace std::string_literals;

struct LoadCase {
    const char* name;
    std::string file;
    std::vector<int> values;  // what is stored, when the file loads
    int badField;             // 1-based field that is rejected, 0 when none is
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class ReadDataSetTest : public testing::TestWithParam<LoadCase> {};

TEST_P(ReadDataSetTest, storesFieldsOrRejectsTheFirstBadOne) {
    const LoadCase& c = GetParam();
    std::vector<int> buffer(dataSetCapacity, -7);
    std::istringstream in(c.file);
    if (c.badField == 0) {
        ASSERT_EQ(readDataSet(in, buffer.data()), static_cast<int>(c.values.size()));
        EXPECT_EQ(std::vector<int>(buffer.begin(), buffer.begin() + c.values.size()), c.values);
        EXPECT_EQ(buffer[c.values.size()], -7);
    } else {
        try {
            readDataSet(in, buffer.data());
            FAIL() << "the file was accepted";
        } catch (const DataSetFieldError& error) {
            EXPECT_EQ(error.field(), c.badField);
        }
    }
}

const LoadCase loadCases[] = {
    {"plain", "1,2,3", {1, 2, 3}, 0},
    {"lineEndAfterLast", "1,2,3\n", {1, 2, 3}, 0},
    {"crLfAfterLast", "1,2,3\r\n", {1, 2, 3}, 0},
    {"blanksAndSigns", " 7, -4, +5", {7, -4, 5}, 0},
    {"textAfterDigits", "12abc,5", {12, 5}, 0},
    {"lineEndIsNoSeparator", "1\n2,3", {1, 3}, 0},
    {"everyBlankKind", "\t\v\f\r\n 8", {8}, 0},
    {"hexIsDecimalZero", "0x1A", {0}, 0},
    {"leadingZeros", "-0007,000000000000000000042", {-7, 42}, 0},
    {"intExtremes", "2147483647,-2147483648", {INT_MAX, INT_MIN}, 0},
    {"nulEndsTheNumber",
     "1\0"s
     "2,3",
     {1, 3},
     0},
    {"emptyFile", "", {}, 1},
    {"trailingComma", "1,2,", {}, 3},
    {"trailingCommaLineEnd", "1,2,\n", {}, 3},
    {"emptyMiddleField", "1,,3", {}, 2},
    {"word", "1,x,3", {}, 2},
    {"signOnly", "+", {}, 1},
    {"twoSigns", "+-5", {}, 1},
    {"blankBetweenSignAndDigits", "- 5", {}, 1},
    {"nulFirst",
     "\0"s
     "5",
     {},
     1},
    {"aboveIntRange", "5,2147483648", {}, 2},
    {"belowIntRange", "-2147483649", {}, 1},
    {"farAboveIntRange", "99999999999999999999999", {}, 1},
};

INSTANTIATE_TEST_SUITE_P(formats, ReadDataSetTest, testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string fieldsCounting(int count) {
    std::string file;
    for (int i = 1; i <= count; ++i) file += std::to_string(i) + (i < count ? "," : "\n");
    return file;
}

TEST(ReadDataSet, stopsAfterCapacityValuesWithoutWritingPastTheBuffer) {
    for (int count : {dataSetCapacity, dataSetCapacity + 1, 2 * dataSetCapacity}) {
        std::vector<int> buffer(dataSetCapacity + 1, -7);
        std::istringstream in(fieldsCounting(count) + ",not a number");
        EXPECT_EQ(readDataSet(in, buffer.data()), dataSetCapacity) << count;
        EXPECT_EQ(buffer[dataSetCapacity - 1], dataSetCapacity) << count;
        EXPECT_EQ(buffer[dataSetCapacity], -7) << count;
    }
}

TEST(LoadDataSet, fileThatCannotBeReadStoresNothingAndSaysNothing) {
    std::array<int, 3> buffer{5, 5, 5};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadDataSet("no such file.csv", buffer.data()), 0);
    EXPECT_EQ(loadDataSet(testing::TempDir(), buffer.data()), 0);  // a directory
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(buffer, (std::array<int, 3>{5, 5, 5}));
}

}  // namespace
