// Paths as UTF-8 text, whatever the system's own code page: a narrow string reaches
// std::filesystem in the ANSI code page under MSVC, which cannot hold every name.
#pragma once

#include <filesystem>
#include <string>

// The path's name in UTF-8 (path::string() throws under MSVC for a name outside the ANSI
// code page).
inline std::string utf8(const std::filesystem::path& path) {
    const auto text = path.u8string();  // std::u8string from C++20 on
    return {text.begin(), text.end()};
}

// The path that the UTF-8 text names.
inline std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::u8path(text);
}
