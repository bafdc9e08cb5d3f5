// bubbleSort's operations.
#include "bubbleSort.h"

#include <iostream>

#include "bubblepasses.h"
#include "searchinput.h"

void bubbleSort::insertValue(int newValue, int* arr, int len) {
    for (int i = 0; i < len; ++i) {
        if (arr[i] == 0) {
            arr[i] = newValue;
            std::cout << "Inserted successfully" << std::endl;
            return;
        }
    }
    std::cout << "Array is full" << std::endl;
}

void bubbleSort::displayElements(int* arr, int len) {
    for (int i = 0; i < len; ++i) std::cout << arr[i] << std::endl;
    std::cout << "All elements displayed" << std::endl;
}

void bubbleSort::searchValue(int* arr, int len) {
    std::cout << "Enter value to be searched: " << std::endl;
    int value = 0;
    if (!readSearchValue(value)) return;
    for (int i = 0; i < len; ++i) {
        if (arr[i] == value) {
            std::cout << "This item can be found at index: " << i << std::endl;
            return;
        }
    }
    std::cout << "This item does not exist" << std::endl;
}

void bubbleSort::sortIt(int* arr, int len) {
    // len - 1 full passes, none shorter and no early exit: (len - 1)^2 compares whatever the
    // data. One pass is the loop in plainpasses.h; bubblePasses runs the same passes faster.
    if (len > 1) bubblePasses(arr, len, len - 1);
    std::cout << "Sorted" << std::endl;
}
