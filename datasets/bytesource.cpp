// How the data set starts: a UTF-8 byte-order mark to skip, or UTF-16 text to refuse.
#include "bytesource.h"

#include <algorithm>
#include <cstddef>

#include "decimal.h"

bool ByteSource::checkStart() {
    static const char mark[] = "\xEF\xBB\xBF";
    if (!refill()) return false;
    const std::ptrdiff_t size = end_ - next_;
    if (size >= 3 && std::equal(mark, mark + 3, next_)) {
        next_ += 3;
        offset_ = lineStart_ = 3;
        return false;
    }
    const auto byte = [&](int i) { return static_cast<unsigned char>(next_[i]); };
    if (size >= 2 &&
        ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        return true;
    }
    const auto number = [&](int i) { return isDigit(byte(i)) || byte(i) == '-'; };
    return size >= 4 &&
           ((number(0) && byte(1) == 0 && byte(3) == 0 && (number(2) || byte(2) == ',')) ||
            (byte(0) == 0 && number(1) && byte(2) == 0 && (number(3) || byte(3) == ',')));
}
