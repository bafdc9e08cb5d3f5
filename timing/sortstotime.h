// The sorts that sort_timing times, in its table's order.
#pragma once

#include <vector>

#include "timingplan.h"

// The sort the others are measured against.
constexpr const char* referenceSort = "std::sort";

// Each sort's names (one for the table and the picture, one for the progress line), a call that
// sorts a[0..n), and the largest n to time on random and on sorted input.
std::vector<TimedSort> sortsToTime();
