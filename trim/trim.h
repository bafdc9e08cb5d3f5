// trim: cut a heap array before the first occurrence of a stop value; and its test print.
#pragma once

// Replaces arr (allocated with new[], taken over and freed with delete[]) by a new[] copy of
// the elements before the first one equal to stopValue, and len by their count.
void trim(int*& arr, int& len, int stopValue);

// Prints "result   >> " and arr[0..len) each followed by a blank, then the closing separator.
void testPrint(int* arr, int len);
