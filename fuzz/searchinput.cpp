// Fuzzes the two searches' reading of standard input: the input bytes are standard input.
// Checks that each search reports exactly the matches of the int that strtol reads from the
// input, or, when there is none, nothing but the prompt and one message on standard error
// saying why; and that a search that goes on says nothing but, maybe, a warning naming its int.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "DLL.h"
#include "bubbleSort.h"
#include "console.h"
#include "properties.h"

namespace {

const int values[] = {42, -7, 0, 42, INT_MAX, INT_MIN};
constexpr int valueCount = sizeof values / sizeof values[0];
const std::string noInt = "standard input: no int to search for\n";

// What a search may say on standard error, given the int it reads, if any.
bool fitting(const std::string& errors, std::optional<int> value) {
    const auto startsWith = [&](const std::string& start) { return errors.rfind(start, 0) == 0; };
    if (!value) {
        return errors == noInt ||
               (startsWith("standard input: \"") &&
                (errors.find(" is out of the int range") != std::string::npos ||
                 errors.find(" is not an int to search for: ") != std::string::npos));
    }
    return errors.empty() || startsWith("standard input: warning: text after the number " +
                                        std::to_string(*value) + " ignored: \"");
}

void checkListSearch(const std::string& input, std::optional<int> value) {
    DLL list;
    for (int v : values) list.insert(v);
    std::string expected = "Enter what you want to search for: \n";
    for (int location = 1; value && location <= valueCount; ++location) {
        if (values[valueCount - location] == *value) {
            expected += "Your search was found at location: " + std::to_string(location) + "\n";
        }
    }
    InputFeed in(input);
    StreamCapture out(std::cout);
    StreamCapture errors(std::cerr);
    list.search();
    require(out.text() == expected, "the list reports exactly the matches");
    std::string said = errors.text();
    const std::string absent =
        value ? "standard input: " + std::to_string(*value) + " is not in the list\n" : "";
    const bool missed = value && std::count(values, values + valueCount, *value) == 0;
    if (missed) {
        require(said.size() >= absent.size() &&
                    said.compare(said.size() - absent.size(), absent.size(), absent) == 0,
                "a miss is said on standard error");
        said.erase(said.size() - absent.size());
    }
    require(fitting(said, value), "only input with no int is refused, saying why");
}

void checkArraySearch(const std::string& input, std::optional<int> value) {
    int array[valueCount];
    std::copy(values, values + valueCount, array);
    std::string expected = "Enter value to be searched: \n";
    if (value) {
        const int* found = std::find(array, array + valueCount, *value);
        expected +=
            found == array + valueCount
                ? std::string("This item does not exist\n")
                : "This item can be found at index: " + std::to_string(found - array) + "\n";
    }
    InputFeed in(input);
    StreamCapture out(std::cout);
    StreamCapture errors(std::cerr);
    bubbleSort().searchValue(array, valueCount);
    require(out.text() == expected, "the array search reports the first match");
    require(fitting(errors.text(), value), "only input with no int is refused, saying why");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::optional<int> value = strtolValue(input);
    checkListSearch(input, value);
    checkArraySearch(input, value);
    return 0;
}
