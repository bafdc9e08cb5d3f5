// What a failed system call means, in this project's own words.
#pragma once

#include <string>

// The reason for an errno value, as the project's messages give it: lower case, no full stop,
// the same bytes on every system. The C and C++ libraries word these differently (glibc and
// Microsoft's STL do not even agree on EIO), so messages never take theirs.
// 0, a failure the system gave no errno for, reads "the system gave no reason"; an errno the
// table does not hold reads "system error N".
std::string systemErrorText(int error);
