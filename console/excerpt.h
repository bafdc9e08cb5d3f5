// The first bytes of a text of any length, quoted and escaped for messages: the data-set
// loader's and the searches'.
#pragma once

#include <cstddef>
#include <string>

// The first bytes of a text of any length, for messages.
class Excerpt {
  public:
    // Keeps c, or, once the excerpt is full, notes that the text runs on and refuses it.
    bool add(int c) {
        if (text_.size() == length) {
            cut_ = true;
            return false;
        }
        text_ += std::char_traits<char>::to_char_type(c);
        return true;
    }

    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }  // the bytes kept, as they came
    char first() const { return text_.empty() ? '\0' : text_[0]; }

    // The text in double quotes, escaped as in C, with ... after the quotes when cut.
    std::string quoted() const;

  private:
    static constexpr std::size_t length = 20;
    std::string text_;
    bool cut_ = false;
};
