// bubbleSort: a stateless class of operations on a caller's int array, the sort among them.
#pragma once

class bubbleSort {
  public:
    // Stores newValue in the first slot of arr[0..len) that holds 0 and prints
    // "Inserted successfully"; prints "Array is full" and stores nothing when none does.
    void insertValue(int newValue, int* arr, int len);

    // Prints arr[0..len) one value a line, then "All elements displayed".
    void displayElements(int* arr, int len);

    // Asks for an int on standard input and prints the index of its first occurrence in
    // arr[0..len), or that it does not exist. Searches nothing when no int can be read.
    void searchValue(int* arr, int len);

    // Sorts arr[0..len) ascending with exactly len - 1 full bubble passes, then prints "Sorted".
    void sortIt(int* arr, int len);
};
