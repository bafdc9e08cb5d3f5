// list_bench: loads dataSetA2.csv into a DLL, then prints every location of one int read
// from standard input.
#include <array>
#include <exception>
#include <iostream>

#include "DLL.h"
#include "dataset.h"
#include "driverload.h"
#include "stdoutcheck.h"

namespace {
const char* const program = "list_bench";
}

int main() try {
    checkStandardOutputAtExit(program);
    DataSetBuffer buffer{};  // slots the file leaves unfilled hold 0
    if (!loadDataSetOrReport(program, "dataSetA2.csv", buffer, std::cerr)) return 1;

    DLL list;
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
    list.search();
    return std::cin.fail() ? 1 : 0;      // search has reported input that holds no int
} catch (const std::exception& error) {  // out of memory, say
    std::cerr << program << ": " << error.what() << '\n';
    return 1;
}
