// The benchmark drivers' first step: load the data set, or say why not.
#include "driverload.h"

#include <ostream>

#include "dataset.h"

bool loadDataSetOrReport(const char* program, const std::string& fileName, int* buffer,
                         std::ostream& errors) {
    try {
        if (loadDataSet(fileName, buffer) == 0) {
            errors << program << ": " << fileName << ": cannot open the file for reading\n";
            return false;
        }
    } catch (const DataSetFieldError& error) {
        errors << program << ": " << fileName << ": " << error.what() << '\n';
        return false;
    }
    return true;
}
