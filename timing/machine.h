// What the timing picture's title says of the machine: the CPU and the compiler.
#pragma once

#include <string>

// The CPU's name as it gives it (x86's brand string), or as Linux names it; a plain word
// where neither is to be had.
std::string cpuName();

// The compiler that built this program and its version: "g++ 12.2", "clang 14.0", "MSVC 1944".
std::string compilerName();
