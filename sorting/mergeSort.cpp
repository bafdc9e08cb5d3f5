// merge_demo: merge-sorts seven fixed values and prints them.
#include <iostream>

#include "merge.h"
#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("merge_demo");
    int array[] = {5, 8, 1, 2, 9, 3, 4};
    mergeSort(array, 0, 6);
    std::cout << "Sorted!" << std::endl;
    for (int value : array) std::cout << value << std::endl;
    return 0;
}
