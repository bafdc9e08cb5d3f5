// Writing sort_timing's files, with the reason for any failure in the project's words.
#include "outputfile.h"

#include <cerrno>
#include <cstdio>
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

// The errno a filesystem call's error stands for; 0 where it stands for none.
int errnoOf(const std::error_code& error) {
    const std::error_condition condition = error.default_error_condition();
    return condition.category() == std::generic_category() ? condition.value() : 0;
}

}  // namespace

OutputFile::OutputFile(const char* program, const char* name)
    : program_(program),
      name_(name),
      temporary_(std::string(name) + ".part"),
      path_(absolutePath(name)) {}

OutputFile::~OutputFile() {
    std::error_code ignored;
    if (made_ && !written_) std::filesystem::remove(name_, ignored);
}

bool OutputFile::tryOpen() {
    std::error_code ignored;
    const bool existed = std::filesystem::exists(name_, ignored);
    const bool opens = open(name_, "ab") && close();
    made_ = opens && !existed;
    return opens;
}

bool OutputFile::write(const std::string& text) {
    std::error_code ignored;
    if (!open(temporary_, "wb")) return false;
    errno = 0;
    const bool whole = std::fwrite(text.data(), 1, text.size(), file_.get()) == text.size();
    if (!whole) fail(errno);
    if (!whole || !close()) {
        file_.reset();
        std::filesystem::remove(temporary_, ignored);
        return false;
    }
    // std::filesystem::rename replaces the file on every system (std::rename does not on
    // Windows).
    std::error_code error;
    std::filesystem::rename(temporary_, name_, error);
    if (error) {
        fail(errnoOf(error));
        std::filesystem::remove(temporary_, ignored);
        return false;
    }
    written_ = true;
    return true;
}

bool OutputFile::open(const std::string& name, const char* mode) {
    std::error_code ignored;
    // Windows opens no folder and says only that access is refused: the same words everywhere.
    if (std::filesystem::is_directory(name, ignored)) return fail(EISDIR);
    errno = 0;
    file_.reset(std::fopen(name.c_str(), mode));
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
