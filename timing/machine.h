// What the timing picture's title says of the machine: the CPU, the compiler and the build.
#pragma once

#include <string>

// The CPU's name, from the system's own source: x86's brand string (cpuid) on every system;
// otherwise Windows' registry (ProcessorNameString), macOS's machdep.cpu.brand_string ("Apple
// M2"), or Linux's /proc/cpuinfo (cpuNameFromCpuinfo). A plain word where none of them says.
std::string cpuName();

// The operating system and its kernel's version: "Linux 6.1.0-18-amd64", "Darwin 24.1.0";
// "Windows" there.
std::string systemName();

// Whether the compiler optimised this program: not in a Debug build, whose times say little
// of the sorts.
bool isOptimisedBuild();

// The compiler that built this program and its version: "g++ 12.2", "clang 14.0", "MSVC 1944".
std::string compilerName();
