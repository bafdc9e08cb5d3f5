// Reading data-set files: field conversion and the load loop.
#include "dataset.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <istream>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string describe(int field, FieldStatus status) {
    const char* problem =
        status == FieldStatus::outOfRange ? " is out of the int range" : " is not a number";
    return "field " + std::to_string(field) + problem;
}

}  // namespace

FieldValue convertField(std::string_view field) {
    const char* first = field.data();
    const char* last = first + field.size();
    while (first != last && isBlank(*first)) ++first;
    // from_chars takes a minus but not a plus; either must be followed by a digit.
    const char* digits = first;
    if (digits != last && (*digits == '+' || *digits == '-')) ++digits;
    if (digits == last || !isDigit(*digits)) return {FieldStatus::notANumber, 0};
    if (*first == '+') first = digits;

    int value = 0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        return {FieldStatus::outOfRange, 0};
    }
    return {FieldStatus::ok, value};
}

DataSetFieldError::DataSetFieldError(int field, FieldStatus status)
    : std::runtime_error(describe(field, status)), field_(field) {}

int readDataSet(std::istream& in, int* buffer) {
    int count = 0;
    std::string field;
    // The state is tested before each read, so the field that meets end of input still counts.
    while (count < dataSetCapacity && in.good()) {
        std::getline(in, field, ',');
        FieldValue converted = convertField(field);
        if (converted.status != FieldStatus::ok) {
            throw DataSetFieldError(count + 1, converted.status);
        }
        buffer[count++] = converted.value;
    }
    return count;
}

int loadDataSet(const std::string& fileName, int* buffer) {
    // A directory opens as a stream on Linux but reads as nothing at all.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored)) return 0;
    std::ifstream file(fileName);
    return readDataSet(file, buffer);
}
