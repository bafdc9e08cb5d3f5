// Reading data-set files: fields converted as they stream in, and the load loop.
#include "dataset.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <new>  // std::bad_alloc
#include <streambuf>
#include <system_error>

namespace {

using Traits = std::char_traits<char>;
const int endOfInput = Traits::eof();

bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The first bytes of a text of any length, for messages.
class Excerpt {
  public:
    // Keeps c, or, once the excerpt is full, notes that the text runs on and refuses it.
    bool add(int c) {
        if (text_.size() == length) {
            cut_ = true;
            return false;
        }
        text_ += Traits::to_char_type(c);
        return true;
    }

    // The text in double quotes, escaped as in C, with ... after the quotes when cut.
    std::string quoted() const {
        static const char hex[] = "0123456789abcdef";
        std::string out = "\"";
        for (char c : text_) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out += {'\\', c};
            } else if (c == '\n') {
                out += "\\n";
            } else if (c == '\r') {
                out += "\\r";
            } else if (c == '\t') {
                out += "\\t";
            } else if (byte < 0x20 || byte > 0x7e) {
                out += {'\\', 'x', hex[byte >> 4], hex[byte & 0xf]};
            } else {
                out += c;
            }
        }
        out += '"';
        if (cut_) out += "...";
        return out;
    }

  private:
    static constexpr std::size_t length = 20;
    std::string text_;
    bool cut_ = false;
};

// The data set's bytes, taken from the stream a block at a time: the block is the only
// buffer the reading keeps, whatever the fields hold.
class ByteSource {
  public:
    explicit ByteSource(std::streambuf& in) : in_(in) {}

    int next() {
        if (next_ == end_ && !refill()) return endOfInput;
        return Traits::to_int_type(*next_++);
    }

    // Skips a UTF-8 byte-order mark at the start.
    void skipByteOrderMark() {
        static const char mark[] = "\xEF\xBB\xBF";
        if (refill() && end_ - next_ >= 3 && std::equal(mark, mark + 3, next_)) next_ += 3;
    }

  private:
    // sgetn waits for a whole block or the end of input, so a short block is the last one.
    bool refill() {
        next_ = block_;
        end_ = block_ + in_.sgetn(block_, sizeof block_);
        return next_ != end_;
    }

    std::streambuf& in_;
    char block_[4096] = {};
    const char* next_ = block_;
    const char* end_ = block_;
};

struct Field {
    int value = 0;
    bool last = false;             // it ended at the end of the input
    bool hasTrailingText = false;  // other than blanks, after the number
    Excerpt trailing;              // what follows the number
};

// Reads the rest of a field that holds no int, only as far as its excerpt needs, and
// throws.
[[noreturn]] void reject(ByteSource& in, int c, int fieldNumber, FieldStatus status,
                         Excerpt& text) {
    while (c != endOfInput && c != ',' && text.add(c)) c = in.next();
    throw DataSetFieldError(fieldNumber, status, text.quoted());
}

// Reads one field up to its comma or the end of input, converting it on the way; only
// the excerpts are kept, so a field of any length takes the same memory.
Field readField(ByteSource& in, int fieldNumber) {
    Excerpt text;
    int c = in.next();
    const auto take = [&] {
        text.add(c);
        c = in.next();
    };
    while (isBlank(c)) take();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        take();
    }
    if (!isDigit(c)) reject(in, c, fieldNumber, FieldStatus::notANumber, text);

    // The magnitude only grows with each digit: once past the int range it stays there.
    const std::uint64_t largest = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    while (isDigit(c)) {
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (magnitude > largest) reject(in, c, fieldNumber, FieldStatus::outOfRange, text);
        take();
    }

    Field field;
    field.value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                           : static_cast<int>(magnitude);
    for (; c != endOfInput && c != ','; c = in.next()) {
        if (!isBlank(c)) field.hasTrailingText = true;
        field.trailing.add(c);
    }
    field.last = c == endOfInput;
    return field;
}

int readFields(std::streambuf& stream, DataSetBuffer& buffer, DataSetNotes* notes) {
    ByteSource in(stream);
    in.skipByteOrderMark();
    int count = 0;
    // A field that meets the end of input still counts: an empty file is one empty field.
    for (bool atEnd = false; count < static_cast<int>(buffer.size()) && !atEnd;) {
        Field field = readField(in, count + 1);
        buffer[count++] = field.value;
        atEnd = field.last;
        if (field.hasTrailingText && notes != nullptr && notes->fieldsWithTrailingText++ == 0) {
            notes->firstTrailingField = count;
            notes->firstTrailingText = field.trailing.quoted();
        }
    }
    return count;
}

std::string describe(int field, FieldStatus status, const std::string& excerpt) {
    const char* problem =
        status == FieldStatus::outOfRange ? " is out of the int range" : " is not a number";
    return "field " + std::to_string(field) + " (" + excerpt + ")" + problem;
}

}  // namespace

DataSetFieldError::DataSetFieldError(int field, FieldStatus status, const std::string& excerpt)
    : std::runtime_error(describe(field, status, excerpt)), field_(field) {}

int readDataSet(std::istream& in, DataSetBuffer& buffer, DataSetNotes* notes) {
    if (!in.good() || in.rdbuf() == nullptr) return 0;
    // The stream buffer is read directly, so its failures reach here as exceptions instead
    // of ending the input like a clean end of file would.
    try {
        return readFields(*in.rdbuf(), buffer, notes);
    } catch (const DataSetFieldError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw DataSetReadError("out of memory");
    } catch (const std::system_error& error) {
        throw DataSetReadError(error.code().message());
    } catch (const std::exception& error) {
        throw DataSetReadError(error.what());
    }
}

void openDataSet(const std::string& fileName, std::ifstream& file, std::string& reason) {
    // A directory may open as a stream, but it holds no data set.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored)) {
        reason = std::make_error_code(std::errc::is_a_directory).message();
        return;
    }
    errno = 0;
    file.open(fileName, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        reason = errno != 0 ? std::generic_category().message(errno) : "cannot be opened";
    }
}

int loadDataSet(const std::string& fileName, DataSetBuffer& buffer) {
    std::ifstream file;
    std::string ignored;
    openDataSet(fileName, file, ignored);
    return file.is_open() ? readDataSet(file, buffer) : 0;
}
