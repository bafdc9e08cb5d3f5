// What kind of failure stopped a program, for its last message.
#pragma once

#include <exception>
#include <ostream>
#include <string>

// The kind of failure an exception stands for, in the project's own words (never what()'s,
// which each library words its own way): "out of memory", "a system error: the disk is full",
// "a fault in the program (a logic error)" and so on.
std::string failureKind(const std::exception& failure);

// A program's last catch: says on `errors`, after the program's name, that the failure being
// handled stopped it, and of what kind; gives the exit status, 1. Call it only inside a catch.
int reportUnexpectedFailure(const char* program, std::ostream& errors);
