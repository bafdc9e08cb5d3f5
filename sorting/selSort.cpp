// selection_demo: selection-sorts five fixed values and prints them. Exactly n(n - 1) / 2
// compares and n - 1 exchanges; not stable, as an exchange can carry a value past its equal.
#include <iostream>
#include <utility>

#include "stdoutcheck.h"

int main() {
    checkStandardOutputAtExit("selection_demo");
    int arr[] = {3, 5, 6, 1, 4};
    const int len = 5;
    for (int i = 0; i < len - 1; ++i) {
        int min = i;
        for (int j = i + 1; j < len; ++j) {
            if (arr[j] < arr[min]) min = j;  // strict: the first of equal minima is taken
        }
        std::swap(arr[i], arr[min]);
    }
    std::cout << "Sorting completed!" << std::endl;
    for (int i = 0; i < len; ++i) {  // NOLINT(modernize-loop-convert): len bounds the print
        std::cout << arr[i] << std::endl;
    }
    return 0;
}
