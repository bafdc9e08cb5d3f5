// Reading a data set's fields: each converted as it streams in, and the load loop.
#include "dataset.h"

#include <new>  // std::bad_alloc
#include <string>

#include "bytesource.h"
#include "decimal.h"
#include "excerpt.h"
#include "fieldmessages.h"

namespace {

const int endOfInput = ByteSource::endOfInput;

struct Field {
    int value = 0;
    bool last = false;             // it ended at the end of the input
    bool hasTrailingText = false;  // other than blanks, after the number
    bool textAfterLineEnd = false;
    bool trailingDigit = false;
    Excerpt trailing;  // what follows the number
    TextPosition trailingWhere;
};

// Reads the rest of a field that holds no int, only as far as its excerpt needs, and
// throws.
[[noreturn]] void reject(ByteSource& in, int c, int fieldNumber, FieldStatus status, Excerpt& text,
                         TextPosition where) {
    while (c != endOfInput && c != ',' && text.add(c)) c = in.next();
    throw DataSetFieldError(fieldNumber, status, text.quoted(), where,
                            hintFor(fieldNumber, text, where, c == endOfInput));
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

}  // namespace

DataSetFieldError::DataSetFieldError(int field, FieldStatus status, const std::string& excerpt,
                                     TextPosition where, const std::string& hint)
    : std::runtime_error(describeField(field, status, excerpt, where, hint)),
      field_(field),
      where_(where) {}

int readDataSet(const DataSetReader& read, DataSetBuffer& buffer, DataSetNotes* notes) {
    try {
        return readFields(read, buffer, notes);
    } catch (const std::bad_alloc&) {
        throw DataSetReadError("out of memory");
    }
}
