// Test helpers that stand in for the console: capture std::cout or std::cerr, feed std::cin.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

// Collects what is written to a standard stream while it lives.
class StreamCapture {
  public:
    explicit StreamCapture(std::ostream& stream)
        : stream_(stream), saved_(stream.rdbuf(text_.rdbuf())) {}
    ~StreamCapture() { stream_.rdbuf(saved_); }
    StreamCapture(const StreamCapture&) = delete;
    StreamCapture& operator=(const StreamCapture&) = delete;

    std::string text() const { return text_.str(); }

  private:
    std::ostream& stream_;
    std::ostringstream text_;
    std::streambuf* saved_;
};

// Makes std::cin read the given text while it lives.
class InputFeed {
  public:
    explicit InputFeed(const std::string& input)
        : input_(input), saved_(std::cin.rdbuf(input_.rdbuf())) {
        std::cin.clear();
    }
    ~InputFeed() {
        std::cin.rdbuf(saved_);
        std::cin.clear();
    }
    InputFeed(const InputFeed&) = delete;
    InputFeed& operator=(const InputFeed&) = delete;

  private:
    std::istringstream input_;
    std::streambuf* saved_;
};
