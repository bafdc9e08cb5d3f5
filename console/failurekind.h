// What kind of failure stopped a program, for its last message.
#pragma once

#include <exception>
#include <string>

// The kind of failure an exception stands for, in the project's own words (never what()'s,
// which each library words its own way): "out of memory", "a system error: the disk is full",
// "a fault in the program (a logic error)" and so on.
std::string failureKind(const std::exception& failure);
