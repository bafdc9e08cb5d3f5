// Puts the plain loop behind sortIt, for bubble_bench_plain: the loop a reader sees, timed.
#include "bubblepasses.h"
#include "plainpasses.h"

void bubblePasses(int* arr, int len, int passes) { plainBubblePasses(arr, len, passes); }
