// address_demo: prints the addresses three pointers hold after one is re-pointed.
#include <iostream>

#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("address_demo");
    int x = 0;
    int y = 0;
    int* p1 = &x;
    int* p2 = &y;
    int* p3 = p2;
    p2 = p1;
    y = 20;
    std::cout << static_cast<const void*>(p1) << std::endl;  // &x
    std::cout << static_cast<const void*>(p2) << std::endl;  // &x again
    std::cout << static_cast<const void*>(p3) << std::endl;  // &y
    std::cout << y << std::endl;
    return 0;
}
