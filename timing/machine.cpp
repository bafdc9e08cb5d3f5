// The CPU's and the compiler's names, and the build's kind, for the timing picture's title.
#include "machine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

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

namespace {

std::string trimmed(const std::string& text) {
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

// ARM's implementer codes, and the parts of the commonest, as Linux's cpuinfo gives them.
struct ArmCode {
    unsigned code;
    const char* name;
};
const ArmCode armImplementers[] = {
    {0x41, "Arm"},       {0x42, "Broadcom"}, {0x43, "Cavium"},   {0x46, "Fujitsu"},
    {0x48, "HiSilicon"}, {0x4e, "NVIDIA"},   {0x51, "Qualcomm"}, {0x61, "Apple"},
    {0x63, "Arm China"}, {0xc0, "Ampere"},
};
const ArmCode armParts[] = {
    // implementer 0x41
    {0xd03, "Cortex-A53"},  {0xd04, "Cortex-A35"},  {0xd05, "Cortex-A55"},  {0xd07, "Cortex-A57"},
    {0xd08, "Cortex-A72"},  {0xd09, "Cortex-A73"},  {0xd0a, "Cortex-A75"},  {0xd0b, "Cortex-A76"},
    {0xd0c, "Neoverse-N1"}, {0xd0d, "Cortex-A77"},  {0xd40, "Neoverse-V1"}, {0xd41, "Cortex-A78"},
    {0xd44, "Cortex-X1"},   {0xd46, "Cortex-A510"}, {0xd47, "Cortex-A710"}, {0xd48, "Cortex-X2"},
    {0xd49, "Neoverse-N2"}, {0xd4b, "Cortex-A78C"}, {0xd4f, "Neoverse-V2"}, {0xd80, "Cortex-A520"},
    {0xd81, "Cortex-A720"}, {0xd82, "Cortex-X4"},   {0xd84, "Neoverse-V3"}, {0xd8e, "Neoverse-N3"},
};

const char* armName(const ArmCode* begin, const ArmCode* end, unsigned code) {
    const ArmCode* found =
        std::find_if(begin, end, [code](const ArmCode& c) { return c.code == code; });
    return found != end ? found->name : nullptr;
}

// "0x41" as a number; false for anything else.
bool hexCode(const std::string& text, unsigned& code) {
    if (text.size() < 3 || text.size() > 10 || text.compare(0, 2, "0x") != 0) return false;
    code = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const bool digit = c >= '0' && c <= '9';
        if (!digit && !(c >= 'a' && c <= 'f')) return false;
        code = code * 16 + static_cast<unsigned>(digit ? c - '0' : c - 'a' + 10);
    }
    return true;
}

}  // namespace

std::string cpuinfoValue(std::istream& cpuinfo, const std::string& key) {
    std::string line;
    while (std::getline(cpuinfo, line)) {
        const auto colon = line.find(':');
        if (colon != std::string::npos && trimmed(line.substr(0, colon)) == key) {
            return trimmed(line.substr(colon + 1));
        }
    }
    return "";
}

std::string cpuNameFromCpuinfo(std::istream& cpuinfo) {
    const std::string text{std::istreambuf_iterator<char>(cpuinfo), {}};
    const auto value = [&text](const char* key) {
        std::istringstream lines(text);
        return cpuinfoValue(lines, key);
    };
    std::string model = value("model name");
    if (!model.empty()) return model;
    unsigned implementer = 0;
    unsigned part = 0;
    if (!hexCode(value("CPU implementer"), implementer)) return "";
    const bool hasPart = hexCode(value("CPU part"), part);
    const char* maker =
        armName(std::begin(armImplementers), std::end(armImplementers), implementer);
    const char* core = implementer == 0x41 && hasPart
                           ? armName(std::begin(armParts), std::end(armParts), part)
                           : nullptr;
    char codes[64];
    std::snprintf(codes, sizeof codes, "implementer 0x%02x, part 0x%03x", implementer, part);
    if (maker == nullptr) return std::string("ARM CPU (") + codes + ")";
    if (core != nullptr) return std::string(maker) + " " + core;
    return std::string(maker) + " CPU (" + codes + ")";
}

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
