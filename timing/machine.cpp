// The CPU's and the compiler's names, and the build's kind, for the timing picture's title.
#include "machine.h"

#include <cstring>
#include <fstream>

#ifdef _WIN32
#ifndef NOMINMAX  // MinGW's library defines it already
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
#ifdef __APPLE__
#include <sys/sysctl.h>
#include <sys/types.h>
#endif
#ifndef _WIN32
#include <sys/utsname.h>
#endif

#include "compiler.h"  // BUBBLE_X86, cpuid
#include "cpuinfo.h"

namespace {

// Used by the brand strings of x86, Windows and macOS: not every build has one.
[[maybe_unused]] std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

#ifdef _WIN32
// Windows' own name for the CPU, which Windows on ARM has where there is no cpuid.
std::string windowsProcessorName() {
    char name[256] = {};
    DWORD size = sizeof name;
    const LSTATUS status =
        RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     "ProcessorNameString", RRF_RT_REG_SZ, nullptr, name, &size);
    return status == ERROR_SUCCESS ? trimmed(name) : "";
}
#endif

#ifdef __APPLE__
// "Apple M2" on Apple silicon, the brand string on Intel Macs.
std::string appleBrandString() {
    char name[256] = {};
    std::size_t size = sizeof name;
    if (sysctlbyname("machdep.cpu.brand_string", name, &size, nullptr, 0) != 0) return "";
    return trimmed(std::string(name, strnlen(name, sizeof name)));
}
#endif

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
#if defined(_WIN32)
    std::string name = windowsProcessorName();
#elif defined(__APPLE__)
    std::string name = appleBrandString();
#else
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string name = cpuNameFromCpuinfo(cpuinfo);
#endif
    if (!name.empty()) return name;
#if BUBBLE_ARM64
    return "an ARM64 CPU";
#else
    return "this CPU";
#endif
}

std::string systemName() {
#ifdef _WIN32
    return "Windows";
#else
    utsname name{};
    if (uname(&name) != 0) return "an unknown system";
    return std::string(name.sysname) + " " + name.release;
#endif
}

bool isOptimisedBuild() {
#if defined(__OPTIMIZE__)  // GCC and clang (clang-cl too), from -O1 on
    return true;
#elif defined(_MSC_VER)  // cl.exe names no optimisation; its Debug configuration defines _DEBUG
#ifdef _DEBUG
    return false;
#else
    return true;
#endif
#else
    return false;
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
