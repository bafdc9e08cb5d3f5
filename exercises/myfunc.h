// myFunc: the sequence a(m) = a(m - 1) + a(m - 3), a(1) = 1, a(m) = 0 for m <= 0.
#pragma once

// The m-th term, by plain recursion: exponential in m.
int myFunc(int m);
