// bubble_bench: bubble-sorts fresh copies of the first 100, 200, ..., 10000 values of
// dataSetA.csv, printing "Sorted" after each.
#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <new>  // std::bad_alloc

#include "bubbleSort.h"
#include "dataset.h"
#include "driverload.h"
#include "failurekind.h"
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
        try {
            const std::unique_ptr<int[]> trial(new int[len]);
            std::copy(buffer.begin(), buffer.begin() + len, trial.get());
            sorter.sortIt(trial.get(), len);
        } catch (const std::bad_alloc&) {  // the copy, or the kernel's working space
            std::cerr << program << ": out of memory in the trial of " << len << " values\n";
            return 1;
        }
    }
    return 0;
} catch (...) {
    return reportUnexpectedFailure(program, std::cerr);
}
