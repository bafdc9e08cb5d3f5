// What sort_steps sorts: the demos' own arrays, fixed inputs for the page, and a learner's
// values from the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "recorder.h"

namespace steps {

// The array the sort's demo program sorts (bubble sort: selection_demo's five).
std::vector<int> demoValues(SortKind kind);

// The page's other inputs, the same on every run: 16 random values (a fixed seed), sorted,
// reversed, and few distinct ones.
struct NamedInput {
    std::string label;
    std::vector<int> values;
};
std::vector<NamedInput> pageInputs();

constexpr std::size_t mostValues = 64;

// The values given on the command line, or why not, in the project's words ("" when they
// hold): each a whole number in the int range, and at most mostValues of them.
std::optional<std::vector<int>> parseValues(const std::vector<std::string>& args,
                                            std::string& problem);

}  // namespace steps
