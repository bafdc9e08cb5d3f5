// A file that sort_timing writes: tried before the timing starts, written at its end.
#pragma once

#include <string>

#include "cfile.h"

// One of the files a run writes. It is tried before the timing starts, so that a folder that
// cannot be written, or a file another program holds, costs no timing; and written at the end,
// whole, into a temporary file beside it that then takes its place, so that a write that fails
// leaves the file as it was. Failures are said on standard error, as
// "program: /absolute/path: cannot write the file: reason". An empty file that tryOpen made
// and that was never written is removed when the OutputFile goes, on every way out.
class OutputFile {
  public:
    OutputFile(const char* program, const char* name);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // The file's absolute path, in UTF-8.
    const std::string& path() const { return path_; }

    // Whether the file can be written. Leaves a file that is there as it is, and makes an
    // empty one where there was none.
    bool tryOpen();

    // Writes the whole text in place of what the file held.
    bool write(const std::string& text);

  private:
    bool open(const std::string& name, const char* mode);
    bool close();
    bool fail(int error) const;

    const char* program_;
    std::string name_;
    std::string temporary_;  // name_ with ".part": written first, then renamed over name_
    std::string path_;
    CFile file_;  // open only inside tryOpen and write
    bool made_ = false;
    bool written_ = false;
};
