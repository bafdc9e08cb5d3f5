// The messages for a field that holds no int.
#include "fieldmessages.h"

#include "decimal.h"

namespace {

bool startsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

}  // namespace

std::string hintFor(int fieldNumber, const Excerpt& text, TextPosition where, bool endsTheFile) {
    std::string start = text.text();
    start.erase(0, start.find_first_not_of(" \t\n\v\f\r"));
    if (fieldNumber == 1 && endsTheFile && start.empty()) {
        return std::string(text.empty() ? "the file is empty" : "the file holds only blanks") +
               ": " + dataSetShape;
    }
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
        return std::string("the first line is not a number: a header row? remove it; ") +
               dataSetShape;
    }
    return "";
}

std::string describeField(int field, FieldStatus status, const std::string& excerpt,
                          TextPosition where, const std::string& hint) {
    const std::string problem = status == FieldStatus::outOfRange
                                    ? std::string(" is out of ") + intRangeText
                                    : std::string(" is not a number");
    const std::string at = where.line > 1 ? "line " + std::to_string(where.line) + ", column " +
                                                std::to_string(where.column) + ": "
                                          : "";
    return "field " + std::to_string(field) + " (" + at + excerpt + ")" + problem +
           (hint.empty() ? "" : "; " + hint);
}
