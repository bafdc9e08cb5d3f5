// Quoting an excerpt for a message.
#include "excerpt.h"

std::string Excerpt::quoted() const {
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
