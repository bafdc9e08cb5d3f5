// Reading a search's int from standard input, a character at a time: memory stays bounded
// whatever the input holds.
#include "searchinput.h"

#include <cstdint>
#include <iostream>
#include <string>

#include "excerpt.h"
#include "stdoutcheck.h"

namespace {

using Traits = std::char_traits<char>;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// "program: standard input: ", or "standard input: " where no program name was given.
std::ostream& report() {
    const std::string program = programName();
    return std::cerr << (program.empty() ? "" : program + ": ") << "standard input: ";
}

}  // namespace

bool readSearchValue(int& value) {
    std::streambuf& in = *std::cin.rdbuf();
    std::cin >> std::ws;
    Excerpt number;
    int c = in.sgetc();
    const auto take = [&](Excerpt& excerpt) {
        excerpt.add(c);
        c = in.snextc();
    };
    const bool negative = c == '-';
    if (c == '+' || c == '-') take(number);
    const std::uint64_t largest = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    bool digits = false;
    for (; isDigit(c); take(number), digits = true) {
        if (magnitude <= largest) magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    }
    if (!digits || magnitude > largest) {  // std::cin fails, as the >> extraction does
        std::cin.setstate(std::ios::failbit);
        if (!digits) {
            report() << "no int to search for" << std::endl;
        } else {
            report() << number.quoted() << " is out of the int range (-2147483648 to 2147483647)"
                     << std::endl;
        }
        return false;
    }
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<int>(magnitude);
    Excerpt rest;
    bool text = false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; take(rest)) {
        text = text || !(c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f');
    }
    if (text) {
        report() << "warning: text after the number " << value << " ignored: " << rest.quoted()
                 << std::endl;
    }
    return true;
}
