// A file that sort_timing writes: tried before the timing starts, written at its end.
#pragma once

#include <string>

#include "cfile.h"

// One of the files a run writes. It is tried before the timing starts, so that a folder that
// cannot be written costs no timing, and written at the end. Failures are said on standard
// error, as "program: /absolute/path: cannot write the file: reason".
class OutputFile {
  public:
    OutputFile(const char* program, const char* name);

    // The file's absolute path, in UTF-8.
    const std::string& path() const { return path_; }

    // Whether the file can be written. Leaves a file that is there as it is, and makes an
    // empty one where there was none.
    bool tryOpen();

    // Removes the empty file that tryOpen made, if it did.
    void removeIfMade() const;

    // Writes the whole text in place of what the file held.
    bool write(const std::string& text);

  private:
    bool open(const char* mode);
    bool close();
    bool fail(int error) const;

    const char* program_;
    const char* name_;
    std::string path_;
    CFile file_;  // open only inside tryOpen and write
    bool made_ = false;
};
