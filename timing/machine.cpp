// The CPU's and the compiler's names, for the timing picture's title.
#include "machine.h"

#include <cstring>
#include <fstream>

#include "compiler.h"  // BUBBLE_X86, cpuid

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// "model name" in Linux's /proc/cpuinfo, where there is one.
std::string linuxModelName() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) return trimmed(line.substr(line.find(':') + 1));
    }
    return "";
}

}  // namespace

std::string cpuName() {
#if BUBBLE_X86
    unsigned r[4] = {};
    cpuid(0x80000000u, 0, r);
    if (r[0] >= 0x80000004u) {
        char brand[49] = {};
        for (unsigned leaf = 0; leaf < 3; ++leaf) {
            cpuid(0x80000002u + leaf, 0, r);
            std::memcpy(brand + std::size_t{16} * leaf, r, sizeof r);
        }
        std::string name = trimmed(brand);
        if (!name.empty()) return name;
    }
#endif
    std::string name = linuxModelName();
    if (!name.empty()) return name;
#if BUBBLE_ARM64
    return "an ARM64 CPU";
#else
    return "this CPU";
#endif
}

std::string compilerName() {
#if defined(__apple_build_version__)
    return "Apple clang " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__);
#elif defined(__clang__)
    return "clang " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__);
#elif defined(__GNUC__)
    return "g++ " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__);
#elif defined(_MSC_VER)
    return "MSVC " + std::to_string(_MSC_VER);
#else
    return "an unknown compiler";
#endif
}
