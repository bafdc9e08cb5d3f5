// The int a search looks for, read from standard input, with what went wrong said plainly.
#pragma once

// Reads one int from std::cin as the formatted extraction does: blanks and line ends skipped,
// an optional sign, then decimal digits. On standard error, each line starting with the
// program's name: a warning naming any text after the number on its line (the search goes
// on), or why there is no int (none, or one outside the int range), and then the result is
// false and std::cin failed.
bool readSearchValue(int& value);

// Says on standard error, after the program's name, that the value read is not in `container`
// ("the list"): standard output stays as it is, with no match printed.
void reportAbsent(int value, const char* container);
