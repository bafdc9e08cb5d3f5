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
    } catch (const DataSetReadError& error) {
        errors << prefix << "read error: " << error.what() << '\n';
        return false;
    }
    if (notes.fieldsWithTrailingText != 0) {
        const bool one = notes.fieldsWithTrailingText == 1;
        errors << prefix << "warning: " << notes.fieldsWithTrailingText
               << (one ? " field has text after its number"
                       : " fields have text after their number")
               << ", ignored (first: field " << notes.firstTrailingField << ", "
               << notes.firstTrailingText
               << "); a data set is ints separated by commas, on one line\n";
    }
    if (count < dataSetCapacity) {
        errors << prefix << "warning: the file holds " << count
               << (count == 1 ? " value" : " values") << ", the other " << dataSetCapacity - count
               << " slots hold 0\n";
    }
    return true;
}
