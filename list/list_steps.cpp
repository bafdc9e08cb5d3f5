// list_steps: the DLL on a few values, small enough to watch node by node (docs/memory/): three
// inserts at the front, then a search that finds its value and one that does not. DLL::search
// reads its value from standard input, so list_steps types the two values for it.
#include <iostream>
#include <sstream>

#include "DLL.h"
#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("list_steps");
    std::istringstream typed("7\n4\n");
    std::streambuf* const keyboard = std::cin.rdbuf(typed.rdbuf());
    DLL list;
    list.insert(3);
    list.insert(7);
    list.insert(5);
    list.search();  // 7: at location 2
    list.search();  // 4: not in the list
    std::cin.rdbuf(keyboard);
    return 0;
}
