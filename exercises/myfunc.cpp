// myFunc, unmemoised.
#include "myfunc.h"

int myFunc(int m) {
    if (m <= 0) return 0;
    if (m == 1) return 1;
    return myFunc(m - 1) + myFunc(m - 3);
}
