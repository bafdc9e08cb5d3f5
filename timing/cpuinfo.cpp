// Reading Linux's /proc/cpuinfo: a line's value, and the CPU's name, ARM's codes spelt out.
#include "cpuinfo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

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
    std::istringstream lines(text);
    std::string model = cpuinfoValue(lines, "model name");
    if (!model.empty()) return model;
    lines.clear();
    lines.seekg(0);
    unsigned implementer = 0;
    if (!hexCode(cpuinfoValue(lines, "CPU implementer"), implementer)) return "";
    // Every distinct part, in the order the cores come: a big.LITTLE board has two or three.
    lines.clear();
    lines.seekg(0);
    std::vector<unsigned> parts;
    for (std::string value; !(value = cpuinfoValue(lines, "CPU part")).empty();) {
        unsigned part = 0;
        if (hexCode(value, part) && std::find(parts.begin(), parts.end(), part) == parts.end()) {
            parts.push_back(part);
        }
    }
    const char* maker =
        armName(std::begin(armImplementers), std::end(armImplementers), implementer);
    std::string cores;
    bool allKnown = implementer == 0x41 && !parts.empty();
    char code[16];
    std::string codes;
    for (unsigned part : parts) {
        const char* core =
            implementer == 0x41 ? armName(std::begin(armParts), std::end(armParts), part) : nullptr;
        allKnown = allKnown && core != nullptr;
        cores += (cores.empty() ? "" : " + ") + std::string(core != nullptr ? core : "");
        std::snprintf(code, sizeof code, "0x%03x", part);
        codes += (codes.empty() ? "" : ", ") + std::string(code);
    }
    if (maker != nullptr && allKnown) return std::string(maker) + " " + cores;
    std::snprintf(code, sizeof code, "0x%02x", implementer);
    const std::string partWord = parts.size() > 1 ? ", parts " : ", part ";
    return std::string(maker != nullptr ? maker : "ARM") + " CPU (implementer " + code +
           (parts.empty() ? "" : partWord + codes) + ")";
}
