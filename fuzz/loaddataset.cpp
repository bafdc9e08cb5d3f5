// Fuzzes loadDataSet: the input bytes are the data-set file. Checks that no more than
// dataSetCapacity values are stored, that each is what strtol makes of its field, and that a
// rejected file is rejected at its first field that holds no int, at the line and column where
// that field's text starts; and that only a file that starts like UTF-16 is refused as such.
#include <sys/mman.h>  // memfd_create
#include <unistd.h>

#include <algorithm>
#include <cctype>  // std::isspace
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dataset.h"
#include "datasetfile.h"
#include "properties.h"

namespace {

// The data-set file, kept in memory and opened by name through /proc.
int memoryFile() {
    static const int fd = memfd_create("dataset", 0);
    return fd;
}

// The fields as the C library sees them, after a UTF-8 byte-order mark at the start.
std::vector<std::string> fieldsOf(const uint8_t* data, size_t size) {
    std::vector<std::string> fields(1);
    const bool byteOrderMark = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
    for (size_t i = byteOrderMark ? 3 : 0; i < size; ++i) {
        if (data[i] == ',') {
            fields.emplace_back();
        } else {
            fields.back() += static_cast<char>(data[i]);
        }
    }
    return fields;
}

// Where the text of field `field` (1-based) starts: its first byte other than a blank.
std::optional<TextPosition> textStart(const uint8_t* data, size_t size, int field) {
    size_t at = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF ? 3 : 0;
    for (int commas = 1; commas < field; ++at) {
        if (data[at] == ',') ++commas;
    }
    while (at < size && std::isspace(data[at]) != 0) ++at;
    if (at == size || data[at] == ',') return std::nullopt;
    TextPosition where;
    size_t lineStart = 0;
    for (size_t i = 0; i < at; ++i) {  // lines end at LF, CR LF or CR
        if (data[i] == '\r' || (data[i] == '\n' && (i == 0 || data[i - 1] != '\r'))) {
            ++where.line;
        }
        if (data[i] == '\r' || data[i] == '\n') lineStart = i + 1;
    }
    where.column = static_cast<long long>(at - lineStart) + 1;
    return where;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int fd = memoryFile();
    require(fd >= 0 && ftruncate(fd, 0) == 0, "the in-memory file can be reset");
    require(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size), "the input is written");

    const std::vector<std::string> fields = fieldsOf(data, size);
    const size_t readable = std::min(fields.size(), static_cast<size_t>(dataSetCapacity));
    try {
        DataSetBuffer buffer{};  // exactly the capacity: a write past it is caught
        const int count = loadDataSet("/proc/self/fd/" + std::to_string(fd), buffer);
        require(count == static_cast<int>(readable), "every field up to the capacity is stored");
        for (int i = 0; i < count; ++i) {
            require(strtolValue(fields[i]) == buffer[i], "a stored value is its field's int");
        }
    } catch (const DataSetFieldError& error) {
        const int field = error.field();
        require(field >= 1 && field <= static_cast<int>(readable), "the rejected field exists");
        for (int i = 0; i + 1 < field; ++i) {
            require(strtolValue(fields[i]).has_value(), "the fields before it hold ints");
        }
        require(!strtolValue(fields[field - 1]).has_value(), "the rejected field holds no int");
        const std::optional<TextPosition> start = textStart(data, size, field);
        require(!start || start->line == 1 ||
                    (start->line == error.where().line && start->column == error.where().column),
                "a field below line 1 is named by the line and column its text starts at");
    } catch (const DataSetEncodingError&) {
        require(
            size >= 2 && (data[0] == 0 || data[1] == 0 || (data[0] == 0xFF && data[1] == 0xFE) ||
                          (data[0] == 0xFE && data[1] == 0xFF)),
            "only a file that starts like UTF-16 is refused as UTF-16");
    }
    return 0;
}
