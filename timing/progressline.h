// A line on standard error that says what is being timed, rewritten in place.
#pragma once

#include <ostream>
#include <string>

// Shown only where standard error is a terminal: a file or a pipe would keep every line.
class ProgressLine {
  public:
    ProgressLine(const char* program, std::ostream& errors);
    ProgressLine(const char* program, std::ostream& errors, bool shows);

    // Puts `line` in place of the one on show.
    void show(const std::string& line);
    // Ends the line, so that what follows starts on a line of its own.
    void done();

  private:
    const char* program_;
    std::ostream* errors_;
    bool shows_;
    std::string shown_;  // the line on show, which the next one overwrites
};

// Whether standard error is a terminal.
bool standardErrorIsATerminal();
