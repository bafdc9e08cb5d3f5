// Data sets read from files and streams, and opened by name.
#include "datasetfile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <new>  // std::bad_alloc
#include <streambuf>
#include <system_error>

#include "systemerror.h"

int readDataSet(std::istream& in, DataSetBuffer& buffer, DataSetNotes* notes) {
    if (!in.good() || in.rdbuf() == nullptr) return 0;
    // The stream buffer is read directly, so its failures reach here as exceptions instead
    // of ending the input like a clean end of file would.
    std::streambuf& stream = *in.rdbuf();
    return readDataSet(
        [&stream](char* into, std::size_t size) {
            try {
                return static_cast<std::size_t>(
                    stream.sgetn(into, static_cast<std::streamsize>(size)));
            } catch (const std::bad_alloc&) {
                throw;
            } catch (const std::system_error& error) {
                // An errno, or a Windows error that the library maps to one.
                const std::error_condition condition = error.code().default_error_condition();
                throw DataSetReadError(condition.category() == std::generic_category()
                                           ? systemErrorText(condition.value())
                                           : "the stream failed");
            } catch (const std::exception&) {
                throw DataSetReadError("the stream failed");
            }
        },
        buffer, notes);
}

std::size_t readDataSetBlock(std::FILE* file, char* into, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(into, 1, size, file);
    // Short of the end of the file, a short read is an error, whether or not the C library
    // flags it (Wine's does not, reading a file opened for writing).
    if (got < size && (std::ferror(file) || !std::feof(file))) {
        throw DataSetReadError(errno != 0 ? systemErrorText(errno) : "the file could not be read");
    }
    return got;
}

int readDataSet(std::FILE* file, DataSetBuffer& buffer, DataSetNotes* notes) {
    return readDataSet(
        [file](char* into, std::size_t size) { return readDataSetBlock(file, into, size); }, buffer,
        notes);
}

DataSetFile openDataSet(const std::string& fileName, std::string& reason) {
    // A directory may open as a file, but it holds no data set.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored)) {
        reason = systemErrorText(EISDIR);
        return nullptr;
    }
    errno = 0;
    DataSetFile file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        reason = systemErrorText(errno);
    }
    return file;
}

int loadDataSet(const std::string& fileName, DataSetBuffer& buffer) {
    std::string ignored;
    const DataSetFile file = openDataSet(fileName, ignored);
    return file ? readDataSet(file.get(), buffer) : 0;
}
