// Reading a decimal int a character at a time, as the C library's strtol and the formatted
// extraction do: the blanks they skip, and the int range. Shared by the data-set loader and
// the searches.
#pragma once

#include <cstdint>

// The white space that strtol and >> skip before a number.
inline bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The int range as the messages name it.
inline constexpr char intRangeText[] = "the int range (-2147483648 to 2147483647)";

// The magnitude of a decimal int, digit by digit, after its sign. Once past the int range it
// stays past it, whatever digits follow.
class DecimalInt {
  public:
    explicit DecimalInt(bool negative) : negative_(negative) {}

    // Adds the digit c ('0' to '9'); false once the number is out of the int range.
    bool addDigit(int c) {
        if (magnitude_ <= largest()) magnitude_ = magnitude_ * 10 + static_cast<unsigned>(c - '0');
        return inRange();
    }

    bool inRange() const { return magnitude_ <= largest(); }

    // The int read; only while inRange().
    int value() const {
        return negative_ ? static_cast<int>(-static_cast<std::int64_t>(magnitude_))
                         : static_cast<int>(magnitude_);
    }

  private:
    std::uint64_t largest() const { return negative_ ? 2147483648u : 2147483647u; }

    bool negative_;
    std::uint64_t magnitude_ = 0;
};
