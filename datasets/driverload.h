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
