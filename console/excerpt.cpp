// Quoting an excerpt for a message.
#include "excerpt.h"

namespace {

// Escaped as in C, in double quotes.
std::string quote(const std::string& text) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
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
    return out;
}

// How many lines `text` holds: each line end (\n, \r\n or \r) ends one, and text after the last
// is one more.
long long lineCount(const std::string& text) {
    long long lines = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' ||
            (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            ++lines;
        }
    }
    const char last = text.empty() ? '\n' : text.back();
    return lines + (last == '\n' || last == '\r' ? 0 : 1);
}

}  // namespace

std::string Excerpt::quoted() const {
    // Several lines read badly as one string full of \n: the first line, then how many follow,
    // where the first line holds more than blanks.
    const std::size_t lineEnd = text_.find_first_of("\r\n");
    std::size_t rest = lineEnd;
    if (rest != std::string::npos) rest += text_.compare(rest, 2, "\r\n") == 0 ? 2 : 1;
    const bool blankFirstLine = text_.find_first_not_of(" \t\v\f") >= lineEnd;
    if (rest == std::string::npos || rest == text_.size() || blankFirstLine) {
        return quote(text_) + (cut_ ? "..." : "");
    }
    const long long more = lineCount(text_.substr(rest));
    return quote(text_.substr(0, lineEnd)) + " (and " + (cut_ ? "at least " : "") +
           std::to_string(more) + (more == 1 ? " more line)" : " more lines)");
}
