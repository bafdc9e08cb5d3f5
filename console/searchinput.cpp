// Reading a search's int from standard input, a character at a time: memory stays bounded
// whatever the input holds.
#include "searchinput.h"

#include <iostream>
#include <string>

#include "decimal.h"
#include "excerpt.h"
#include "stdoutcheck.h"

namespace {

using Traits = std::char_traits<char>;

// "program: standard input: ", or "standard input: " where no program name was given.
std::ostream& report() {
    const std::string program = programName();
    return std::cerr << (program.empty() ? "" : program + ": ") << "standard input: ";
}

}  // namespace

bool readSearchValue(int& value) {
    std::streambuf& in = *std::cin.rdbuf();
    std::cin >> std::ws;
    Excerpt typed;
    int c = in.sgetc();
    const auto take = [&](Excerpt& excerpt) {
        excerpt.add(c);
        c = in.snextc();
    };
    DecimalInt number(c == '-');
    if (c == '+' || c == '-') take(typed);
    bool digits = false;
    for (; isDigit(c); take(typed), digits = true) number.addDigit(c);
    if (!digits || !number.inRange()) {  // std::cin fails, as the >> extraction does
        std::cin.setstate(std::ios::failbit);
        if (!digits) {
            // What was typed in its place, to the end of its line.
            while (!Traits::eq_int_type(c, Traits::eof()) && c != '\n' && typed.add(c)) {
                c = in.snextc();
            }
            if (typed.empty()) {
                report() << "no int to search for" << std::endl;
            } else {
                report() << typed.quoted()
                         << " is not an int to search for: type a whole number, such as 49500"
                         << std::endl;
            }
        } else {
            report() << typed.quoted() << " is out of " << intRangeText << std::endl;
        }
        return false;
    }
    value = number.value();
    Excerpt rest;
    bool text = false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; take(rest)) {
        text = text || !isBlank(c);
    }
    if (text) {
        report() << "warning: text after the number " << value << " ignored: " << rest.quoted()
                 << std::endl;
    }
    return true;
}

void reportAbsent(int value, const char* container) {
    report() << value << " is not in " << container << std::endl;
}
