// sort_steps' inputs.
#include "inputs.h"

#include <algorithm>
#include <random>

#include "decimal.h"
#include "excerpt.h"

namespace steps {

std::vector<int> demoValues(SortKind kind) {
    if (kind == SortKind::merge) return {5, 8, 1, 2, 9, 3, 4};  // merge_demo's
    return {3, 5, 6, 1, 4};                                     // quick_demo's and selection_demo's
}

std::vector<NamedInput> pageInputs() {
    constexpr int count = 16;
    std::mt19937 random(2026);
    std::vector<int> values(count);
    std::generate(values.begin(), values.end(),
                  [&random] { return static_cast<int>(random() % 100); });
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> reversed(sorted.rbegin(), sorted.rend());
    std::vector<int> few(count);
    std::generate(few.begin(), few.end(), [&random] { return static_cast<int>(random() % 3) + 1; });
    return {{"16 random values", values},
            {"16 sorted values", sorted},
            {"16 values in reverse order", reversed},
            {"16 values, few distinct", few}};
}

std::optional<std::vector<int>> parseValues(const std::vector<std::string>& args,
                                            std::string& problem) {
    if (args.size() > mostValues) {
        problem = std::to_string(args.size()) + " values given: at most " +
                  std::to_string(mostValues) + " fit on the page";
        return std::nullopt;
    }
    std::vector<int> values;
    for (const std::string& arg : args) {
        Excerpt shown;
        for (char c : arg) shown.add(static_cast<unsigned char>(c));
        std::size_t at = 0;
        DecimalInt number(!arg.empty() && arg[0] == '-');
        if (!arg.empty() && (arg[0] == '-' || arg[0] == '+')) ++at;
        const std::size_t digits = at;
        bool inRange = true;
        for (; at < arg.size() && isDigit(arg[at]); ++at) {
            inRange = number.addDigit(arg[at]) && inRange;
        }
        if (at == digits || at != arg.size()) {
            problem = shown.quoted() +
                      " is not a whole number: give whole numbers, such as "
                      "sort_steps 5 3 9 1";
            return std::nullopt;
        }
        if (!inRange) {
            problem = shown.quoted() + " is out of " + std::string(intRangeText);
            return std::nullopt;
        }
        values.push_back(number.value());
    }
    return values;
}

}  // namespace steps
