// trim_test: trims a fixed array at the stop value 0 and prints the expected result above
// the actual one.
#include <algorithm>
#include <iostream>

#include "stdoutcheck.h"
#include "trim.h"

int main() {
    checkStandardOutputAtExit("trim_test");
    std::cout << "\n---------------------\n";
    const int testData[] = {3, 2, 5, 1, 0, 8, 4};
    int len = 7;
    int* array = new int[len];
    std::copy_n(testData, len, array);
    trim(array, len, 0);
    std::cout << "Test 1: " << '\n' << "expected >> 3 2 5 1 " << std::endl;
    testPrint(array, len);
    delete[] array;
    return 0;
}
