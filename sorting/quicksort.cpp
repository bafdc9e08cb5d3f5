// quick_demo: quick-sorts five fixed values and prints them.
#include <iostream>

#include "quick.h"
#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("quick_demo");
    int array[] = {3, 5, 6, 1, 4};
    quickSort(array, 0, 4);
    std::cout << "Sorting completed!" << std::endl;
    for (int value : array) std::cout << value << std::endl;
    return 0;
}
