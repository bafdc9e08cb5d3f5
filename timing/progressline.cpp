// The progress line, overwritten in place with a carriage return.
#include "progressline.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>

bool standardErrorIsATerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

ProgressLine::ProgressLine(const char* program, std::ostream& errors)
    : ProgressLine(program, errors, standardErrorIsATerminal()) {}

ProgressLine::ProgressLine(const char* program, std::ostream& errors, bool shows)
    : program_(program), errors_(&errors), shows_(shows) {}

void ProgressLine::show(const std::string& line) {
    if (!shows_) return;
    // Blanks over what is left of a longer line before.
    const std::size_t blanks = shown_.size() > line.size() ? shown_.size() - line.size() : 0;
    *errors_ << '\r' << program_ << ": " << line << std::string(blanks, ' ') << std::flush;
    shown_ = line;
}

void ProgressLine::done() {
    if (!shows_ || shown_.empty()) return;
    show("done");
    *errors_ << '\n';
}
