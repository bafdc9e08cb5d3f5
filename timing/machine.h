// What the timing picture's title says of the machine: the CPU, the compiler and the build.
#pragma once

#include <istream>
#include <string>

// The CPU's name, from the system's own source: x86's brand string (cpuid) on every system;
// otherwise Windows' registry (ProcessorNameString), macOS's machdep.cpu.brand_string ("Apple
// M2"), or Linux's /proc/cpuinfo (cpuNameFromCpuinfo). A plain word where none of them says.
std::string cpuName();

// The CPU's name in a text laid out as Linux's /proc/cpuinfo: its "model name" (x86, some ARM
// boards), or else the maker and core that ARM's "CPU implementer" and "CPU part" codes stand
// for ("Arm Neoverse-N1"), the codes themselves where the table does not know them; "" where
// the text says neither.
std::string cpuNameFromCpuinfo(std::istream& cpuinfo);

// The value of the first line "key<blanks>: value" in a text laid out as /proc/cpuinfo; "" where
// there is none.
std::string cpuinfoValue(std::istream& cpuinfo, const std::string& key);

// The operating system and its kernel's version: "Linux 6.1.0-18-amd64", "Darwin 24.1.0";
// "Windows" there.
std::string systemName();

// Whether the compiler optimised this program: not in a Debug build, whose times say little
// of the sorts.
bool isOptimisedBuild();

// The compiler that built this program and its version: "g++ 12.2", "clang 14.0", "MSVC 1944".
std::string compilerName();
