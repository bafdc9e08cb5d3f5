// Selection sort: each round finds the smallest value left and exchanges it into place.
#pragma once

// Sorts arr[0..len) ascending in place. Exactly len(len - 1)/2 comparisons and len - 1
// exchanges whatever the data; not stable, as an exchange can carry a value past its equal.
void selectionSort(int* arr, int len);
