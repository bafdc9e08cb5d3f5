// The benchmark drivers' first step: load the data set, or say why not.
#include "driverload.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "dataset.h"
#include "datasetfile.h"
#include "utf8path.h"

namespace {

std::string workingDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string("(unknown)") : utf8(path);
}

}  // namespace

std::string dataSetCopyFolder(const std::string& folder, const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path path = pathFromUtf8(folder);
    if (std::filesystem::is_regular_file(path / pathFromUtf8(fileName), error) &&
        !std::filesystem::equivalent(path, std::filesystem::current_path(error), error)) {
        return folder;
    }
    return "";
}

bool loadDataSetOrReport(const char* program, const std::string& fileName, DataSetBuffer& buffer,
                         std::ostream& errors) {
    std::string reason;
    const DataSetFile file = openDataSet(fileName, reason);
    if (!file) {
        errors << program << ": " << fileName << ": cannot open the file for reading: " << reason
               << " (looked in " << workingDirectory();
#ifdef DATA_SET_COPY_FOLDER
        const std::string copy = dataSetCopyFolder(DATA_SET_COPY_FOLDER, fileName);
#else
        const std::string copy;
#endif
        if (!copy.empty()) errors << "; the build put a copy in " << copy;
        errors << ")\n";
        return false;
    }
    std::FILE* const opened = file.get();
    return readDataSetOrReport(
        program, fileName,
        [opened](char* into, std::size_t size) { return readDataSetBlock(opened, into, size); },
        buffer, errors);
}

bool readDataSetOrReport(const char* program, const std::string& fileName,
                         const DataSetReader& read, DataSetBuffer& buffer, std::ostream& errors) {
    const std::string prefix = std::string(program) + ": " + fileName + ": ";
    DataSetNotes notes;
    int count = 0;
    try {
        count = readDataSet(read, buffer, &notes);
    } catch (const DataSetFieldError& error) {
        errors << prefix << error.what() << '\n';
        return false;
    } catch (const DataSetEncodingError& error) {
        errors << prefix << error.what() << '\n';
        return false;
    } catch (const DataSetReadError& error) {
        errors << prefix << "read error: " << error.what() << '\n';
        return false;
    }
    if (notes.firstTrailingAfterLineEnd && notes.lines > 1) {
        // Kept short: the fixes for each system are in the docs.
        errors << prefix << "warning: " << (notes.readToEnd ? "" : "more than ") << notes.lines
               << " lines, but only commas separate values: the first value of each line after "
               << "line 1 was ignored; put the values on one line (see docs/bad-input.md)\n";
    } else if (notes.fieldsWithTrailingText != 0) {
        const bool one = notes.fieldsWithTrailingText == 1;
        errors << prefix << "warning: " << notes.fieldsWithTrailingText
               << (one ? " field has text after its number"
                       : " fields have text after their number")
               << ", ignored (first: field " << notes.firstTrailingField << ", ";
        if (notes.lines > 1) {
            errors << "line " << notes.firstTrailingWhere.line << ", column "
                   << notes.firstTrailingWhere.column << ", ";
        }
        errors << notes.firstTrailingText << "); ";
        if (notes.firstTrailingSeparator != 0) {
            errors << "the file seems separated by "
                   << (notes.firstTrailingSeparator == ';' ? "semicolons" : "tabs")
                   << ", not commas; a data set is ints separated by commas\n";
        } else {
            errors << "a data set is ints separated by commas, on one line\n";
        }
    }
    if (notes.moreThanCapacity) {
        errors << prefix << "warning: the file holds more than " << dataSetCapacity
               << " values; only the first " << dataSetCapacity << " are used\n";
    }
    if (count < dataSetCapacity) {
        errors << prefix << "warning: the file holds " << count
               << (count == 1 ? " value" : " values") << ", the other " << dataSetCapacity - count
               << " slots hold 0\n";
    }
    return true;
}
