// The benchmark drivers' first step: load the data set, or say why not.
#pragma once

#include <iosfwd>
#include <string>

// Loads fileName into buffer (dataSetCapacity slots). A file that cannot be opened or that
// holds a field with no int is reported on `errors` as "program: file: problem", and the
// result is false; nothing is written anywhere else.
bool loadDataSetOrReport(const char* program, const std::string& fileName, int* buffer,
                         std::ostream& errors);
