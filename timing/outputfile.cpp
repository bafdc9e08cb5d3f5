// Writing sort_timing's files, with the reason for any failure in the project's words.
#include "outputfile.h"

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "systemerror.h"
#include "utf8path.h"

namespace {

std::string absolutePath(const char* name) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(name, error);
    return error ? std::string(name) : utf8(path);
}

}  // namespace

OutputFile::OutputFile(const char* program, const char* name)
    : program_(program), name_(name), path_(absolutePath(name)) {}

bool OutputFile::tryOpen() {
    std::error_code ignored;
    const bool existed = std::filesystem::exists(name_, ignored);
    const bool opens = open("ab") && close();
    made_ = opens && !existed;
    return opens;
}

void OutputFile::removeIfMade() const {
    std::error_code ignored;
    if (made_) std::filesystem::remove(name_, ignored);
}

bool OutputFile::write(const std::string& text) {
    if (!open("wb")) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) {
        fail(errno);
        file_.reset();
        return false;
    }
    return close();
}

bool OutputFile::open(const char* mode) {
    std::error_code ignored;
    // Windows opens no folder and says only that access is refused: the same words everywhere.
    if (std::filesystem::is_directory(name_, ignored)) return fail(EISDIR);
    errno = 0;
    file_.reset(std::fopen(name_, mode));
    return file_ != nullptr || fail(errno);
}

bool OutputFile::close() {
    errno = 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return closed || fail(errno);
}

bool OutputFile::fail(int error) const {
    std::cerr << program_ << ": " << path_ << ": cannot write the file: " << systemErrorText(error)
              << '\n';
    return false;
}
