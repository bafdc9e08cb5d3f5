// Prints the name of the bubble-pass kernel that sortIt runs on this machine (avx2, neon, ...).
#include <iostream>

#include "kernels.h"

int main() { std::cout << kernelName(chosenKernel()) << '\n'; }
