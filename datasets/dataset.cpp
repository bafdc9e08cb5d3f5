// Reading data-set files: fields converted as they stream in, and the load loop.
#include "dataset.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <new>  // std::bad_alloc
#include <streambuf>
#include <system_error>

#include "decimal.h"
#include "excerpt.h"
#include "systemerror.h"

namespace {

using Traits = std::char_traits<char>;
const int endOfInput = Traits::eof();

// The data set's bytes, taken from the reader a block at a time: the block is the only
// buffer the reading keeps, whatever the fields hold. Counts lines as it goes.
class ByteSource {
  public:
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
    bool checkStart() {
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

struct Field {
    int value = 0;
    bool last = false;             // it ended at the end of the input
    bool hasTrailingText = false;  // other than blanks, after the number
    bool textAfterLineEnd = false;
    bool trailingDigit = false;
    Excerpt trailing;  // what follows the number
    TextPosition trailingWhere;
};

bool startsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// What a spreadsheet, an editor or a web page may have put where a number should be, named,
// with what to do; "" when the field is nothing of the kind.
std::string hintFor(int fieldNumber, const Excerpt& text, TextPosition where) {
    std::string start = text.text();
    start.erase(0, start.find_first_not_of(" \t\n\v\f\r"));
    if (fieldNumber == 1 && startsWith(start, "sep=")) {
        // The field ends at a comma: "sep=" alone was "sep=,".
        const char separator = start.size() > 4 ? start[4] : ',';
        const std::string shown = separator == '\t' ? "\\t" : std::string(1, separator);
        return "the first line is Excel's separator line (sep=" + shown + "): delete that line";
    }
    if (startsWith(start, "\"")) {
        return "the values are in double quotes: remove the quotes, and any thousands separator "
               "inside them (\"1,000\" is two fields)";
    }
    if (text.text().find("\xC2\xA0") != std::string::npos) {
        return "\\xc2\\xa0 is a no-break space (U+00A0), as text pasted from a web page holds: "
               "replace it with a plain space";
    }
    const auto first = static_cast<unsigned char>(start.empty() ? '\0' : start[0]);
    const bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    if (fieldNumber == 1 && where.line == 1 && letter) {
        return "the first line is not a number: a header row? remove it";
    }
    return "";
}

// Reads the rest of a field that holds no int, only as far as its excerpt needs, and
// throws.
[[noreturn]] void reject(ByteSource& in, int c, int fieldNumber, FieldStatus status, Excerpt& text,
                         TextPosition where) {
    while (c != endOfInput && c != ',' && text.add(c)) c = in.next();
    throw DataSetFieldError(fieldNumber, status, text.quoted(), where,
                            hintFor(fieldNumber, text, where));
}

// Reads one field up to its comma or the end of input, converting it on the way; only
// the excerpts are kept, so a field of any length takes the same memory.
Field readField(ByteSource& in, int fieldNumber) {
    Excerpt text;
    int c = in.next();
    TextPosition where = in.last();
    const auto take = [&] {
        text.add(c);
        c = in.next();
    };
    while (isBlank(c)) take();
    if (c != endOfInput && c != ',') where = in.last();
    DecimalInt number(c == '-');
    if (c == '+' || c == '-') take();
    if (!isDigit(c)) reject(in, c, fieldNumber, FieldStatus::notANumber, text, where);
    for (; isDigit(c); take()) {
        if (!number.addDigit(c)) reject(in, c, fieldNumber, FieldStatus::outOfRange, text, where);
    }

    Field field;
    field.value = number.value();
    field.trailingWhere = in.last();
    for (bool lineEnd = false; c != endOfInput && c != ','; c = in.next()) {
        if (field.trailing.empty()) field.trailingWhere = in.last();
        if (!isBlank(c)) {
            field.hasTrailingText = true;
            field.textAfterLineEnd = field.textAfterLineEnd || lineEnd;
            field.trailingDigit = field.trailingDigit || isDigit(c);
        }
        lineEnd = lineEnd || c == '\n' || c == '\r';
        field.trailing.add(c);
    }
    field.last = c == endOfInput;
    return field;
}

// After the last value the buffer holds: whether another value follows. Reads no further
// than its first byte other than a blank.
bool anotherValueFollows(ByteSource& in) {
    int c = in.next();
    while (isBlank(c)) c = in.next();
    return c != endOfInput;
}

int readFields(const DataSetReader& read, DataSetBuffer& buffer, DataSetNotes* notes) {
    ByteSource in(read);
    if (in.checkStart()) {
        throw DataSetEncodingError(
            "the file is UTF-16 text; save it as UTF-8 (spreadsheets: \"CSV UTF-8\"; "
            "PowerShell: Out-File -Encoding utf8) and run again");
    }
    int count = 0;
    bool atEnd = false;
    // A field that meets the end of input still counts: an empty file is one empty field.
    while (count < static_cast<int>(buffer.size()) && !atEnd) {
        Field field = readField(in, count + 1);
        buffer[count++] = field.value;
        atEnd = field.last;
        if (field.hasTrailingText && notes != nullptr && notes->fieldsWithTrailingText++ == 0) {
            notes->firstTrailingField = count;
            notes->firstTrailingText = field.trailing.quoted();
            notes->firstTrailingWhere = field.trailingWhere;
            notes->firstTrailingAfterLineEnd = field.textAfterLineEnd;
            const char first = field.trailing.first();
            if ((first == ';' || first == '\t') && field.trailingDigit) {
                notes->firstTrailingSeparator = first;
            }
        }
    }
    const bool more = !atEnd && anotherValueFollows(in);
    if (notes != nullptr) {
        notes->moreThanCapacity = more;
        notes->readToEnd = in.atEnd();
        notes->lines = in.lines();
    }
    return count;
}

std::string describe(int field, FieldStatus status, const std::string& excerpt, TextPosition where,
                     const std::string& hint) {
    const char* problem =
        status == FieldStatus::outOfRange ? " is out of the int range" : " is not a number";
    const std::string at = where.line > 1 ? "line " + std::to_string(where.line) + ", column " +
                                                std::to_string(where.column) + ": "
                                          : "";
    return "field " + std::to_string(field) + " (" + at + excerpt + ")" + problem +
           (hint.empty() ? "" : "; " + hint);
}

}  // namespace

DataSetFieldError::DataSetFieldError(int field, FieldStatus status, const std::string& excerpt,
                                     TextPosition where, const std::string& hint)
    : std::runtime_error(describe(field, status, excerpt, where, hint)),
      field_(field),
      where_(where) {}

int readDataSet(const DataSetReader& read, DataSetBuffer& buffer, DataSetNotes* notes) {
    try {
        return readFields(read, buffer, notes);
    } catch (const std::bad_alloc&) {
        throw DataSetReadError("out of memory");
    }
}

int readDataSet(std::istream& in, DataSetBuffer& buffer, DataSetNotes* notes) {
    if (!in.good() || in.rdbuf() == nullptr) return 0;
    // The stream buffer is read directly, so its failures reach here as exceptions instead
    // of ending the input like a clean end of file would.
    std::streambuf& stream = *in.rdbuf();
    return readDataSet(
        [&stream](char* into, std::size_t size) {
            try {
                return static_cast<std::size_t>(
                    stream.sgetn(into, static_cast<std::streamsize>(size)));
            } catch (const std::bad_alloc&) {
                throw;
            } catch (const std::system_error& error) {
                // An errno, or a Windows error that the library maps to one.
                const std::error_condition condition = error.code().default_error_condition();
                throw DataSetReadError(condition.category() == std::generic_category()
                                           ? systemErrorText(condition.value())
                                           : "the stream failed");
            } catch (const std::exception&) {
                throw DataSetReadError("the stream failed");
            }
        },
        buffer, notes);
}

std::size_t readDataSetBlock(std::FILE* file, char* into, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(into, 1, size, file);
    // Short of the end of the file, a short read is an error, whether or not the C library
    // flags it (Wine's does not, reading a file opened for writing).
    if (got < size && (std::ferror(file) || !std::feof(file))) {
        throw DataSetReadError(errno != 0 ? systemErrorText(errno) : "the file could not be read");
    }
    return got;
}

int readDataSet(std::FILE* file, DataSetBuffer& buffer, DataSetNotes* notes) {
    return readDataSet(
        [file](char* into, std::size_t size) { return readDataSetBlock(file, into, size); }, buffer,
        notes);
}

DataSetFile openDataSet(const std::string& fileName, std::string& reason) {
    // A directory may open as a file, but it holds no data set.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored)) {
        reason = systemErrorText(EISDIR);
        return nullptr;
    }
    errno = 0;
    DataSetFile file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        reason = errno != 0 ? systemErrorText(errno) : "cannot be opened";
    }
    return file;
}

int loadDataSet(const std::string& fileName, DataSetBuffer& buffer) {
    std::string ignored;
    const DataSetFile file = openDataSet(fileName, ignored);
    return file ? readDataSet(file.get(), buffer) : 0;
}
