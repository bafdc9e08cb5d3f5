// Data-set files: one line of comma-separated ints, read into a fixed buffer.
// Shared by the two benchmark drivers.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

constexpr int dataSetCapacity = 10000;

// How a field converts: a value, or why it holds none.
enum class FieldStatus { ok, notANumber, outOfRange };

struct FieldValue {
    FieldStatus status;
    int value;  // meaningful only when status is ok
};

// Base-10 conversion of one field, as the C library's strtol does it: leading white space
// (line ends included) is skipped, then an optional sign and digits; the rest is ignored.
FieldValue convertField(std::string_view field);

// A field that holds no int; field() is its 1-based position in the file.
class DataSetFieldError : public std::runtime_error {
  public:
    DataSetFieldError(int field, FieldStatus status);
    int field() const noexcept { return field_; }

  private:
    int field_;
};

// Reads comma-separated fields from `in` into buffer[0..], stopping after dataSetCapacity
// values or at end of input, and returns how many were stored. A line end does not separate
// fields. Throws DataSetFieldError at the first field that holds no int.
int readDataSet(std::istream& in, int* buffer);

// readDataSet on the named file. A file that cannot be opened for reading stores nothing,
// says nothing and gives 0; any file that opens gives at least one value or throws.
int loadDataSet(const std::string& fileName, int* buffer);
