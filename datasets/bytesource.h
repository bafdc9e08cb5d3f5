// The data set's bytes as the field reader takes them, with where each stands.
#pragma once

#include <string>

#include "dataset.h"

// The data set's bytes, taken from the reader a block at a time: the block is the only
// buffer the reading keeps, whatever the fields hold. Counts lines as it goes.
class ByteSource {
  public:
    using Traits = std::char_traits<char>;
    static constexpr int endOfInput = Traits::eof();

    explicit ByteSource(const DataSetReader& read) : read_(read) {}

    int next() {
        if (next_ == end_ && !refill()) {
            atEnd_ = true;
            return endOfInput;
        }
        const char c = *next_++;
        last_ = {line_, offset_ - lineStart_ + 1};
        ++offset_;
        // A line ends at LF, at CR LF, and at a CR alone ("CSV (Macintosh)").
        if (c == '\r' || (c == '\n' && !afterCarriageReturn_)) ++line_;
        if (c == '\r' || c == '\n') lineStart_ = offset_;
        afterCarriageReturn_ = c == '\r';
        return Traits::to_int_type(c);
    }

    // Where the byte that next() returned last stands.
    TextPosition last() const { return last_; }
    // Lines read so far: a line end closes a line, and bytes after the last one make one more.
    long long lines() const { return offset_ == lineStart_ ? line_ - 1 : line_; }
    bool atEnd() const { return atEnd_; }

    // Skips a UTF-8 byte-order mark at the start; says whether the start looks like UTF-16:
    // its byte-order mark, or digits and NUL bytes in turn.
    bool checkStart();

  private:
    bool refill() {
        next_ = block_;
        end_ = block_ + read_(block_, sizeof block_);
        return next_ != end_;
    }

    const DataSetReader& read_;
    char block_[4096] = {};
    const char* next_ = block_;
    const char* end_ = block_;
    long long line_ = 1;
    long long offset_ = 0;
    long long lineStart_ = 0;
    TextPosition last_;
    bool afterCarriageReturn_ = false;
    bool atEnd_ = false;
};
