// Data sets read from streams and C files, and opened by name: the readers behind readDataSet.
#pragma once

#include <cstddef>
#include <cstdio>
#include <istream>
#include <string>

#include "cfile.h"
#include "dataset.h"

// readDataSet on the bytes of a stream (a string stream, say); a failed stream or one without
// a buffer gives 0. A stream buffer that throws is a read error, never the end of the input.
int readDataSet(std::istream& in, DataSetBuffer& buffer, DataSetNotes* notes = nullptr);

// readDataSet on an open file. Every standard library tells a read error from the end of a
// C file (std::ferror, std::feof), which file streams do not all do: a failed read throws here.
int readDataSet(std::FILE* file, DataSetBuffer& buffer, DataSetNotes* notes = nullptr);

// std::fread into `into`, throwing DataSetReadError when the file reports an error.
std::size_t readDataSetBlock(std::FILE* file, char* into, std::size_t size);

using DataSetFile = CFile;

// Opens a data set for reading as bytes. On failure the result is null and `reason` says
// why, in the words of systemErrorText.
DataSetFile openDataSet(const std::string& fileName, std::string& reason);

// readDataSet on the named file. A file that cannot be opened for reading stores nothing,
// says nothing and gives 0; any file that opens gives at least one value or throws.
int loadDataSet(const std::string& fileName, DataSetBuffer& buffer);
