// recursion_demo: prints the fourth term of a recursive sequence, with no line end.
#include <iostream>

#include "myfunc.h"
#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("recursion_demo");
    std::cout << myFunc(4);
    return 0;
}
