// The benchmark drivers' first step: load the data set, or say why not.
#pragma once

#include <iosfwd>
#include <string>

#include "dataset.h"

// Loads fileName into buffer. A file that cannot be opened or read,
// or that holds a field with no int, is reported on `errors` as "program: file: problem"
// and the result is false. A file that loads but looks unlike what was meant (text after a
// number, fewer values than slots) gets one warning line each. Nothing is written anywhere
// else.
bool loadDataSetOrReport(const char* program, const std::string& fileName, DataSetBuffer& buffer,
                         std::ostream& errors);

// The reading and reporting half of loadDataSetOrReport, on bytes from `read`.
bool readDataSetOrReport(const char* program, const std::string& fileName,
                         const DataSetReader& read, DataSetBuffer& buffer, std::ostream& errors);

// `folder` (UTF-8) when it holds fileName and is not the working directory, else "": where
// the build put a copy of the data set, for a learner who runs the program elsewhere (an IDE).
std::string dataSetCopyFolder(const std::string& folder, const std::string& fileName);
