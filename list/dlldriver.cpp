// list_bench: loads dataSetA2.csv into a DLL, then prints every location of one int read
// from standard input.
#include <array>
#include <iostream>

#include "DLL.h"
#include "dataset.h"
#include "driverload.h"

int main() {
    std::array<int, dataSetCapacity> buffer{};  // slots the file leaves unfilled hold 0
    if (!loadDataSetOrReport("list_bench", "dataSetA2.csv", buffer.data(), std::cerr)) return 1;

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
    return std::cin.fail() ? 1 : 0;
}
