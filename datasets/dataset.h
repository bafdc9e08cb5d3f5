// Data-set files: one line of comma-separated ints, read into a fixed buffer.
// Shared by the two benchmark drivers.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

constexpr int dataSetCapacity = 10000;

// The drivers' data-set buffer: the loader never writes past its dataSetCapacity slots.
using DataSetBuffer = std::array<int, dataSetCapacity>;

// How a field converts: a value, or why it holds none.
enum class FieldStatus { ok, notANumber, outOfRange };

// Where a byte stands in the file: 1-based line, and 1-based byte column on that line.
struct TextPosition {
    long long line = 1;  // a field of any length may hold more than 2^31 line ends
    long long column = 1;
};

// A field that holds no int; field() is its 1-based position in the file, where() that of its
// first byte other than a blank. what() reads `field 3 ("x") is not a number`, with the
// field's text escaped and cut short, and `field 203 (line 3, column 9: "x") ...` when the
// field stands below line 1; then, after "; ", what the text seems to be and what to do
// (a header row, Excel's sep= line, quotes, a no-break space), where it seems so.
class DataSetFieldError : public std::runtime_error {
  public:
    // `excerpt` is the field's text as printed: escaped, quoted and cut short.
    DataSetFieldError(int field, FieldStatus status, const std::string& excerpt,
                      TextPosition where = {}, const std::string& hint = "");
    int field() const noexcept { return field_; }
    TextPosition where() const noexcept { return where_; }

  private:
    int field_;
    TextPosition where_;
};

// The file is UTF-16 text (it starts with a UTF-16 byte-order mark, or its first bytes
// alternate digits and NUL bytes); what() says so and how to save it as UTF-8.
class DataSetEncodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reading the data set failed (an I/O error, out of memory); what() is the reason.
class DataSetReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a load noticed beyond the values, which load fine but are seldom what was meant:
// fields with text other than blanks after their number (5.5, a value per line, semicolons),
// and values beyond the buffer's capacity.
struct DataSetNotes {
    int fieldsWithTrailingText = 0;
    int firstTrailingField = 0;              // 1-based; 0 when there is none
    std::string firstTrailingText;           // what follows its number: escaped, quoted, cut short
    TextPosition firstTrailingWhere;         // where that text starts
    bool firstTrailingAfterLineEnd = false;  // it holds text after a line end: values per line
    char firstTrailingSeparator = 0;         // ';' or '\t' when it starts so and holds a digit
    long long lines = 0;                     // lines read (all of them when readToEnd)
    bool readToEnd = false;
    bool moreThanCapacity = false;  // a value follows the last one the buffer holds
};

// Fills `into` with up to `size` bytes of the data set and returns how many, 0 only at the end
// of the input. Throws DataSetReadError when the bytes cannot be had.
using DataSetReader = std::function<std::size_t(char* into, std::size_t size)>;

// Reads comma-separated fields from `read` into buffer[0..], stopping when it is full or at end
// of input, and returns how many were stored. A field converts as the C library's strtol does in
// base 10: leading white space (line ends included) is skipped, then an optional sign and digits;
// the rest of the field is ignored. A line end does not separate fields, and a UTF-8 byte-order
// mark at the start is skipped. Memory stays bounded whatever the field lengths: a field is
// converted as it streams in. Throws DataSetFieldError at the first field that holds no int, as
// soon as that is certain, DataSetEncodingError for UTF-16 text, and DataSetReadError when the
// reader fails or memory runs out. Reading stops at the first value past the capacity.
int readDataSet(const DataSetReader& read, DataSetBuffer& buffer, DataSetNotes* notes = nullptr);
