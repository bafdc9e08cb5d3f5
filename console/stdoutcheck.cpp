// Every program's last step: output that could not be written is a failure, not a success.
#include "stdoutcheck.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "systemerror.h"

namespace {

// Stands between std::cout and its buffer and keeps the reason of the first failed write:
// errno is only meaningful right after the failure, and stdio keeps no copy of it.
class FailureRecorder : public std::streambuf {
  public:
    void attach(std::streambuf* target) { target_ = target; }
    std::streambuf* target() const { return target_; }
    int firstError() const { return firstError_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
        }
        return record(target_->sputc(traits_type::to_char_type(c)) == traits_type::eof())
                   ? traits_type::eof()
                   : c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const std::streamsize written = target_->sputn(s, n);
        record(written != n);
        return written;
    }
    int sync() override { return record(target_->pubsync() != 0) ? -1 : 0; }

  private:
    bool record(bool failed) {
        if (failed && firstError_ == 0) firstError_ = errno != 0 ? errno : EIO;
        return failed;
    }

    std::streambuf* target_ = nullptr;
    int firstError_ = 0;
};

FailureRecorder recorder;
const char* givenName = "";

void checkAtExit() {
    std::cout.flush();
    std::cout.rdbuf(recorder.target());  // later flushes, at static destruction, go direct
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (recorder.firstError() == 0 && flushed && !std::ferror(stdout)) return;
    const int error =
        recorder.firstError() != 0 ? recorder.firstError() : (errno != 0 ? errno : EIO);
    std::cerr << givenName << ": standard output: " << systemErrorText(error) << std::endl;
    std::_Exit(1);  // exit is under way with the old status; end it here with 1
}

}  // namespace

void checkStandardOutputAtExit(const char* program) {
    givenName = program;
    recorder.attach(std::cout.rdbuf());
    std::cout.rdbuf(&recorder);
    std::atexit(checkAtExit);
}

const char* programName() { return givenName; }
