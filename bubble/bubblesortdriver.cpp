// bubble_bench: bubble-sorts fresh copies of the first 100, 200, ..., 10000 values of
// dataSetA.csv, printing "Sorted" after each.
#include <array>
#include <exception>
#include <iostream>
#include <vector>

#include "bubbleSort.h"
#include "dataset.h"
#include "driverload.h"
#include "stdoutcheck.h"

// bubble_bench_plain is built from this file too, under its own name.
#ifndef PROGRAM_NAME
#define PROGRAM_NAME "bubble_bench"
#endif

namespace {
const char* const program = PROGRAM_NAME;
}

int main() try {
    checkStandardOutputAtExit(program);
    DataSetBuffer buffer{};  // slots the file leaves unfilled hold 0
    if (!loadDataSetOrReport(program, "dataSetA.csv", buffer, std::cerr)) return 1;

    bubbleSort sorter;
    for (int len = 100; len <= dataSetCapacity; len += 100) {
        std::vector<int> trial(buffer.begin(), buffer.begin() + len);
        sorter.sortIt(trial.data(), len);
    }
    return 0;
} catch (const std::exception& error) {  // out of memory, say
    std::cerr << program << ": " << error.what() << '\n';
    return 1;
}
