// Uses the containers whose checks the flags turn on.
#include <string>
#include <vector>

int firstOf(const std::vector<int>& values, const std::string& text) { return values[0] + text[0]; }
