// selection_demo: selection-sorts five fixed values and prints them (the sort: selection.cpp).
#include <iostream>

#include "selection.h"
#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("selection_demo");
    int arr[] = {3, 5, 6, 1, 4};
    const int len = 5;
    selectionSort(arr, len);
    std::cout << "Sorting completed!" << std::endl;
    for (int i = 0; i < len; ++i) {  // NOLINT(modernize-loop-convert): len bounds the print
        std::cout << arr[i] << std::endl;
    }
    return 0;
}
