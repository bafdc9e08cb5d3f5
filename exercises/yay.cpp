// increment_demo: adds 5 to an int through a pointer and prints the int, with no line end.
#include <iostream>

#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("increment_demo");
    int value = 8;
    int* pointer = &value;
    *pointer += 5;
    std::cout << value;
    return 0;
}
