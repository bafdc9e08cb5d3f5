// What the fuzz targets check against: the C library's reading of an int, and a way to stop
// with a message when a property does not hold.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// What strtol in base 10 makes of the text: its int, or nothing when the text holds no number
// or one outside the int range. strtol stops at a NUL byte, as the programs' readers must.
inline std::optional<int> strtolValue(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}
