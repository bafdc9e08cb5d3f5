// Data-set format: field conversion, the load loop, its limits and its failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <ios>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <typeinfo>
#include <utility>
#include <vector>

#include "dataset.h"
#include "datasetfile.h"
#include "driverload.h"
#include "failurekind.h"
#include "systemerror.h"
#include "utf8path.h"

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
    DataSetBuffer buffer;
    buffer.fill(-7);
    std::istringstream in(c.file);
    if (c.badField == 0) {
        ASSERT_EQ(readDataSet(in, buffer), static_cast<int>(c.values.size()));
        EXPECT_EQ(std::vector<int>(buffer.begin(), buffer.begin() + c.values.size()), c.values);
        EXPECT_EQ(buffer[c.values.size()], -7);
    } else {
        try {
            readDataSet(in, buffer);
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
    {"byteOrderMarkSkipped", "\xEF\xBB\xBF-5,6", {-5, 6}, 0},
    {"byteOrderMarkOnlyAtTheStart",
     "5,\xEF\xBB\xBF"
     "6",
     {},
     2},
    {"halfAByteOrderMark",
     "\xEF\xBB"
     "5",
     {},
     1},
};

INSTANTIATE_TEST_SUITE_P(formats, ReadDataSetTest, testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string fieldsCounting(int count) {
    std::string file;
    for (int i = 1; i <= count; ++i) file += std::to_string(i) + (i < count ? "," : "\n");
    return file;
}

TEST(ReadDataSet, aStreamHandedOverFailedOrWithoutBufferYieldsNothing) {
    std::istringstream failed("1,2,3");
    failed.setstate(std::ios_base::failbit);
    std::istream unbuffered(nullptr);
    for (std::istream* in : {static_cast<std::istream*>(&failed), &unbuffered}) {
        DataSetBuffer buffer;
        buffer.fill(5);
        EXPECT_EQ(readDataSet(*in, buffer), 0);
        EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 5), dataSetCapacity);
    }
}

TEST(ReadDataSet, stopsAfterCapacityValuesWithoutWritingPastTheBuffer) {
    for (int count : {dataSetCapacity, dataSetCapacity + 1, 2 * dataSetCapacity}) {
        struct {
            DataSetBuffer slots{};
            int guard = -7;
        } buffer;
        std::istringstream in(fieldsCounting(count) + ",not a number");
        EXPECT_EQ(readDataSet(in, buffer.slots), dataSetCapacity) << count;
        EXPECT_EQ(buffer.slots[dataSetCapacity - 1], dataSetCapacity) << count;
        EXPECT_EQ(buffer.guard, -7) << count;
    }
}

// What the messages show of a field: its text from the start, escaped and cut short.
TEST(ReadDataSet, namesTheRejectedFieldWithAnExcerptOfIt) {
    const std::string quotes =
        "the values are in double quotes: remove the quotes, and any thousands separator inside "
        "them (\"1,000\" is two fields)";
    const std::string header =
        "the first line is not a number: a header row? remove it; the values must stand on one "
        "line, separated by commas";
    const std::string range = " is out of the int range (-2147483648 to 2147483647)";
    const std::pair<std::string, std::string> cases[] = {
        {"1,x", R"(field 2 ("x") is not a number)"},
        {"1,", R"(field 2 ("") is not a number)"},
        {"1, \"a\\\tb\x01\n", R"(field 2 (" \"a\\\tb\x01\n") is not a number; )" + quotes},
        // An empty file, or one of blanks alone, said to be so.
        {"", R"(field 1 ("") is not a number; the file is empty: the values must stand on one )"
             "line, separated by commas"},
        {" \r\n", R"(field 1 (" \r\n") is not a number; the file holds only blanks: the values )"
                  "must stand on one line, separated by commas"},
        {"\n,5", R"(field 1 ("\n") is not a number)"},
        {"1," + std::string(30, 'y'), R"(field 2 ("yyyyyyyyyyyyyyyyyyyy"...) is not a number)"},
        // What spreadsheets, editors and web pages write, named.
        // Several lines: the first, and how many more.
        {"value\n5\n6", R"(field 1 ("value" (and 2 more lines)) is not a number; )" + header},
        {"value\r\n5\r\n", R"(field 1 ("value" (and 1 more line)) is not a number; )" + header},
        {"value\n1\n2\n3\n4\n5\n6\n7\n8\n9",
         R"(field 1 ("value" (and at least 7 more lines)) is not a number; )" + header},
        {"a,b\n1,2", R"(field 1 ("a") is not a number; )" + header},
        {"sep=,\n5,6", R"(field 1 ("sep=") is not a number; the first line is Excel's )"
                       "separator line (sep=,): delete that line"},
        {"sep=;\n5;6",
         R"(field 1 ("sep=;" (and 1 more line)) is not a number; the first line is Excel's )"
         "separator line (sep=;): delete that line"},
        {R"("5","6")", R"(field 1 ("\"5\"") is not a number; )" + quotes},
        {"1,\xC2\xA0"
         "6",
         R"(field 2 ("\xc2\xa06") is not a number; \xc2\xa0 is a no-break )"
         "space (U+00A0), as text pasted from a web page holds: replace it with "
         "a plain space"},
        {"1\r2\r3,x", R"(field 2 (line 3, column 3: "x") is not a number)"},  // CR-only lines
        {"1,x\ry\rz", R"(field 2 ("x" (and 2 more lines)) is not a number)"},
        {"1," + std::string(30, '9'), R"(field 2 ("99999999999999999999"...))" + range},
        {"-2147483649,1", R"(field 1 ("-2147483649"))" + range},
        {"\xEF\xBB\xBF", R"(field 1 ("") is not a number; the file is empty: the values must )"
                         "stand on one line, separated by commas"},  // a byte-order mark alone
        {"\xEF\xBB\xBF,1", R"(field 1 ("") is not a number)"},
        {"\x1f ~\x7f", R"(field 1 ("\x1f ~\x7f") is not a number)"},  // the printable range's edges
        {"1,2\n3,4\n5, x\n", R"(field 4 (line 3, column 4: " x\n") is not a number)"},  // a grid
        {"1,\n\n99999999999", R"(field 2 (line 3, column 1: "\n\n99999999999"))" + range},
    };
    for (const auto& [file, message] : cases) {
        std::istringstream in(file);
        try {
            DataSetBuffer buffer{};
            readDataSet(in, buffer);
            ADD_FAILURE() << file << ": accepted";
        } catch (const DataSetFieldError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST(ReadDataSet, notesFieldsWithTextAfterTheirNumber) {
    struct {
        std::string file;
        int fields, first;
        std::string text;
        int lines;
        bool afterLineEnd;
        char separator;
    } const cases[] = {
        {"1,2 \n,3\r\n", 0, 0, "", 2, false, 0},  // blanks only
        {"5.5,6.5", 2, 1, R"(".5")", 1, false, 0},
        {"5\n3\n9\n1\n", 1, 1, R"("\n3\n9\n1\n")", 4, true, 0},  // a value per line
        {"5\r3\r9\r", 1, 1, R"("\r3\r9\r")", 3, true, 0},        // the same, CR-only
        {"1,2\n3,4\n", 1, 2, R"("\n3")", 2, true, 0},            // a grid
        {"1,2;3,4" + std::string(30, ';'), 2, 2, R"(";3")", 1, false, ';'},
        {"5\t6\t7", 1, 1, R"("\t6\t7")", 1, false, '\t'},
        {"5;x", 1, 1, R"(";x")", 1, false, 0},  // no number after the semicolon
        {"1,2" + std::string(30, '.'), 1, 2, R"("...................."...)", 1, false, 0},
    };
    for (const auto& c : cases) {
        DataSetBuffer buffer{};
        std::istringstream in(c.file);
        DataSetNotes notes;
        readDataSet(in, buffer, &notes);
        EXPECT_EQ(notes.fieldsWithTrailingText, c.fields) << c.file;
        EXPECT_EQ(notes.firstTrailingField, c.first) << c.file;
        EXPECT_EQ(notes.firstTrailingText, c.text) << c.file;
        EXPECT_EQ(notes.lines, c.lines) << c.file;
        EXPECT_EQ(notes.firstTrailingAfterLineEnd, c.afterLineEnd) << c.file;
        EXPECT_EQ(notes.firstTrailingSeparator, c.separator) << c.file;
    }
}

TEST(ReadDataSet, notesValuesPastTheCapacityAndRejectsUtf16) {
    for (const auto& [tail, more] : {std::pair<std::string, bool>{"", false},
                                     {",", false},
                                     {", \n", false},
                                     {",7", true},
                                     {",x", true}}) {
        DataSetBuffer buffer{};
        std::istringstream in(fieldsCounting(dataSetCapacity) + tail);
        DataSetNotes notes;
        readDataSet(in, buffer, &notes);
        EXPECT_EQ(notes.moreThanCapacity, more) << '"' << tail << '"';
    }
    for (const char* file : {"\xff\xfe"
                             "5\0",
                             "\xfe\xff\0"
                             "5",
                             "5\0,\0",
                             "\0"
                             "5\0,",
                             "-\0"
                             "1\0"}) {
        DataSetBuffer buffer{};
        std::istringstream in(std::string(file, 4));
        EXPECT_THROW(readDataSet(in, buffer), DataSetEncodingError) << file;
    }
}

// A stream buffer that delivers some bytes, then fails the way a reading library does.
template <typename Failure>
class FailingBuffer : public std::streambuf {
  public:
    FailingBuffer(std::string bytes, Failure failure)
        : bytes_(std::move(bytes)), failure_(std::move(failure)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

  protected:
    int_type underflow() override { throw failure_; }

  private:
    std::string bytes_;
    Failure failure_;
};

template <typename Failure>
void expectReadError(Failure failure, const std::string& reason) {
    for (const char* bytes : {"", "1,2", "1,2,", "-"}) {
        FailingBuffer<Failure> failing(bytes, failure);
        std::istream in(&failing);
        DataSetBuffer buffer{};
        try {
            readDataSet(in, buffer);
            ADD_FAILURE() << bytes << ": the failure was taken for the end of the file";
        } catch (const DataSetReadError& error) {
            EXPECT_EQ(error.what(), reason) << bytes;
        }
    }
}

// Endless bytes (like /dev/zero), with a fuse: a reader that reads on is a failure, not a hang.
class EndlessBytes : public std::streambuf {
  public:
    explicit EndlessBytes(char byte) : bytes_(64, byte) {}

  protected:
    int_type underflow() override {
        if (++served_ > 1000) throw std::runtime_error("read on past the field's fate");
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
        return traits_type::to_int_type(bytes_[0]);
    }

  private:
    std::string bytes_;
    int served_ = 0;
};

TEST(ReadDataSet, rejectsAFieldAsSoonAsItHoldsNoNumber) {
    for (char byte : {'\0', 'x', '9'}) {
        EndlessBytes endless(byte);
        std::istream in(&endless);
        DataSetBuffer buffer{};
        EXPECT_THROW(readDataSet(in, buffer), DataSetFieldError) << int{byte};
    }
}

TEST(ReadDataSet, readFailuresAreNeverTheEndOfTheFile) {
    expectReadError(std::ios_base::failure("read", std::make_error_code(std::errc::io_error)),
                    "the device failed to read or write it");
    expectReadError(std::ios_base::failure("read"), "the stream failed");
    expectReadError(std::runtime_error("a library's own words"), "the stream failed");
    expectReadError(std::bad_alloc(), "out of memory");
}

// A C file opened for writing only fails every read, with every C library: std::ferror tells
// that from the end of the file. Here it fails after some bytes have come through.
TEST(LoadDataSetOrReport, aFileThatFailsHalfwayIsAReadErrorNeverAShortDataSet) {
    const std::string path = testing::TempDir() + "write_only_data_set.csv";
    DataSetFile writeOnly(std::fopen(path.c_str(), "wb"));
    ASSERT_TRUE(writeOnly);
    for (const std::string first : {"", "1,2", "1,2,", "-", "1\n"}) {
        bool served = false;
        const DataSetReader read = [&](char* into, std::size_t size) {
            if (served) return readDataSetBlock(writeOnly.get(), into, size);
            served = true;
            return static_cast<std::size_t>(first.copy(into, size));
        };
        DataSetBuffer buffer{};
        std::ostringstream errors;
        EXPECT_FALSE(readDataSetOrReport("bubble_bench", "dataSetA.csv", read, buffer, errors));
        const std::string said = errors.str();
        const std::string prefix = "bubble_bench: dataSetA.csv: read error: ";
        EXPECT_EQ(said.substr(0, prefix.size()), prefix) << first;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    writeOnly.reset();  // Windows removes no file that is open
    std::remove(path.c_str());
}

TEST(LoadDataSet, fileThatCannotBeReadStoresNothingAndSaysNothing) {
    DataSetBuffer buffer;
    buffer.fill(5);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadDataSet("no such file.csv", buffer), 0);
    EXPECT_EQ(loadDataSet(testing::TempDir(), buffer), 0);  // a directory
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 5), dataSetCapacity);
}

}  // namespace

// Every library words these in its own way: the messages take the project's, the same bytes
// everywhere.
TEST(SystemErrorText, givesTheProjectsOwnWordsForEachErrno) {
    const std::pair<int, const char*> reasons[] = {
        {ENOENT, "there is no such file or folder"},
        {EACCES, "access to it was refused (its permissions, or another program holding it)"},
        {EISDIR, "that is a folder, not a file"},
        {EIO, "the device failed to read or write it"},
        {ENOSPC, "the disk is full"},
        {EROFS, "the disk or folder is read-only"},
        {EMFILE, "the program has opened too many files"},
        {ENAMETOOLONG, "the name is too long for the system"},
        {EINVAL, "the name or the request is not valid here"},
        {EAGAIN, "it is not ready now: try again"},
        {ELOOP, "the path's links lead round in a circle"},
        {EOVERFLOW, "the file is too large for the program to handle"},
        {ETXTBSY, "it is a program that is running now"},
#ifdef EDQUOT  // not in Microsoft's C library
        {EDQUOT, "your disk quota is used up"},
#endif
        {0, "the system gave no reason"},
        {9999, "system error 9999"},
    };
    for (const auto& [error, text] : reasons) EXPECT_EQ(systemErrorText(error), text) << error;
}

// The drivers' last catch names the kind of failure, never the library's words for it.
TEST(FailureKind, namesEachKindInTheProjectsWords) {
    const std::string logic = "a fault in the program (a logic error); please report it";
    const std::pair<std::exception_ptr, std::string> cases[] = {
        {std::make_exception_ptr(std::bad_alloc()), "out of memory"},
        {std::make_exception_ptr(
             std::system_error(std::make_error_code(std::errc::no_space_on_device), "x")),
         "a system error: the disk is full"},
        {std::make_exception_ptr(std::ios_base::failure("x")), "a stream failed to read or write"},
        {std::make_exception_ptr(std::out_of_range("x")), logic},
        {std::make_exception_ptr(std::runtime_error("x")), "a failure while running"},
        {std::make_exception_ptr(std::bad_cast()), "a failure of an unknown kind"},
        {std::make_exception_ptr(42), ""},  // no std::exception at all
    };
    for (const auto& [thrown, kind] : cases) {
        try {
            std::rethrow_exception(thrown);
        } catch (...) {
            std::ostringstream errors;
            EXPECT_EQ(reportUnexpectedFailure("list_bench", errors), 1);
            EXPECT_EQ(errors.str(), "list_bench: stopped by an unexpected failure" +
                                        (kind.empty() ? " of an unknown kind" : ": " + kind) +
                                        "\n");
        }
    }
}

// The build folder reaches the program as UTF-8, which MSVC's narrow paths would read in the
// ANSI code page. The temporary folder comes as a path too: for a user named Jos\u00e9, the narrow
// TEMP that testing::TempDir() reads is not UTF-8 on Windows.
TEST(DataSetCopyFolder, namesAFolderBeyondAsciiAsItIs) {
    const std::string folder =
        utf8(std::filesystem::temp_directory_path() / pathFromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
    std::filesystem::create_directories(pathFromUtf8(folder));
    { std::ofstream(pathFromUtf8(folder) / "data.csv") << "1"; }
    EXPECT_EQ(utf8(pathFromUtf8(folder)), folder);
    EXPECT_EQ(dataSetCopyFolder(folder, "data.csv"), folder);
    EXPECT_EQ(dataSetCopyFolder(folder, "other.csv"), "");
    std::filesystem::remove_all(pathFromUtf8(folder));
}
