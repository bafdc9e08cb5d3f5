// The plain bubble passes over ints, compiled once: the loop itself is in plainpasses.h.
#include "plainpasses.h"

template void plainBubblePasses<int>(int* arr, int len, int passes);
