// alias_demo: writes through re-pointed pointers reach the variables behind them.
#include <iostream>

#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("alias_demo");
    int x = 5;
    int y = 12;
    int* p1 = &x;
    int* p2 = &y;
    int* p3 = p2;                                                    // p3 now aliases y ...
    p2 = p1;                                                         // ... and p2 aliases x
    *p3 = y + 5;                                                     // y = 17
    x = *p2 + 4;                                                     // x = 9
    std::cout << *p1 << "," << *p2 << "," << *p3 << y << std::endl;  // 9,9,1717
    return 0;
}
