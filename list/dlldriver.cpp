// list_bench: loads dataSetA2.csv into a DLL, then prints every location of one int read
// from standard input.
#include <array>
#include <iostream>
#include <new>  // std::bad_alloc

#include "DLL.h"
#include "dataset.h"
#include "driverload.h"
#include "failurekind.h"
#include "stdoutcheck.h"

namespace {
const char* const program = "list_bench";
}

int main() try {
    checkStandardOutputAtExit(program);
    DataSetBuffer buffer{};  // slots the file leaves unfilled hold 0
    if (!loadDataSetOrReport(program, "dataSetA2.csv", buffer, std::cerr)) return 1;

    DLL list;
    try {
        int inserted = 0;
        for (int batch = 0; batch < 100; ++batch) {
            const int batchStart = inserted;
            for (int position = batchStart; position < batchStart + 100; ++position) {
                if (position <= dataSetCapacity - 1) {
                    list.insert(buffer[position]);
                    ++inserted;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        std::cerr << program << ": out of memory: the list cannot hold all " << dataSetCapacity
                  << " values, one node each\n";
        return 1;
    }
    list.search();
    return std::cin.fail() ? 1 : 0;  // search has reported input that holds no int
} catch (...) {
    return reportUnexpectedFailure(program, std::cerr);
}
