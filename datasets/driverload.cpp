// The benchmark drivers' first step: load the data set, or say why not.
#include "driverload.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

#include "dataset.h"

namespace {

std::string workingDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string("(unknown)") : path.string();
}

}  // namespace

bool loadDataSetOrReport(const char* program, const std::string& fileName, DataSetBuffer& buffer,
                         std::ostream& errors) {
    const std::string prefix = std::string(program) + ": " + fileName + ": ";
    std::ifstream file;
    std::string reason;
    openDataSet(fileName, file, reason);
    if (!file.is_open()) {
        errors << prefix << "cannot open the file for reading: " << reason << " (looked in "
               << workingDirectory() << ")\n";
        return false;
    }
    DataSetNotes notes;
    int count = 0;
    try {
        count = readDataSet(file, buffer, &notes);
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
        errors << prefix << "warning: the file has " << (notes.readToEnd ? "" : "more than ")
               << notes.lines << " lines, but only a comma separates values, not a line end: "
               << "from line " << notes.firstTrailingWhere.line + 1
               << " on, what follows each line end was read as text after the number before "
               << "it and ignored (first: field " << notes.firstTrailingField
               << "); put the values on one line, separated by commas "
               << "(paste -sd, " << fileName << ", or save the row, not the column)\n";
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
