// Data-set files: one line of comma-separated ints, read into a fixed buffer.
// Shared by the two benchmark drivers.
#pragma once

#include <array>
#include <fstream>
#include <stdexcept>
#include <string>

constexpr int dataSetCapacity = 10000;

// The drivers' data-set buffer: the loader never writes past its dataSetCapacity slots.
using DataSetBuffer = std::array<int, dataSetCapacity>;

// How a field converts: a value, or why it holds none.
enum class FieldStatus { ok, notANumber, outOfRange };

// A field that holds no int; field() is its 1-based position in the file. what() reads
// `field 3 ("x") is not a number`, with the field's text escaped and cut short.
class DataSetFieldError : public std::runtime_error {
  public:
    // `excerpt` is the field's text as printed: escaped, quoted and cut short.
    DataSetFieldError(int field, FieldStatus status, const std::string& excerpt);
    int field() const noexcept { return field_; }

  private:
    int field_;
};

// Reading the data set failed (an I/O error, out of memory); what() is the reason.
class DataSetReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a load noticed beyond the values: fields with text other than blanks after their
// number (5.5, or a value per line), which load fine but are seldom what was meant.
struct DataSetNotes {
    int fieldsWithTrailingText = 0;
    int firstTrailingField = 0;     // 1-based; 0 when there is none
    std::string firstTrailingText;  // what follows its number: escaped, quoted, cut short
};

// Reads comma-separated fields from `in` into buffer[0..], stopping when it is full or at end of
// input, and returns how many were stored. A field converts as the C library's strtol does in base
// 10: leading white space (line ends included) is skipped, then an optional sign and digits; the
// rest of the field is ignored. A line end does not separate fields, and a UTF-8 byte-order mark at
// the start is skipped. Memory stays bounded whatever the field lengths: a field is converted as it
// streams in. Throws DataSetFieldError at the first field that holds no int, as soon as that is
// certain, and DataSetReadError when `in` fails to deliver its characters.
int readDataSet(std::istream& in, DataSetBuffer& buffer, DataSetNotes* notes = nullptr);

// Opens a data set for reading as bytes. On failure the stream is not open and `reason`
// says why, as the OS puts it.
void openDataSet(const std::string& fileName, std::ifstream& file, std::string& reason);

// readDataSet on the named file. A file that cannot be opened for reading stores nothing,
// says nothing and gives 0; any file that opens gives at least one value or throws.
int loadDataSet(const std::string& fileName, DataSetBuffer& buffer);
