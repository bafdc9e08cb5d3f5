// Reading Linux's /proc/cpuinfo, for the timing's title and the kernel's dispatch test.
#pragma once

#include <istream>
#include <string>

// The CPU's name in a text laid out as Linux's /proc/cpuinfo: its "model name" (x86, some ARM
// boards), or else the maker and core that ARM's "CPU implementer" and "CPU part" codes stand
// for ("Arm Neoverse-N1"; every distinct core of a big.LITTLE board: "Arm Cortex-A55 +
// Cortex-A76"), the codes themselves where the table does not know them; "" where the text says
// neither.
std::string cpuNameFromCpuinfo(std::istream& cpuinfo);

// The value of the first line "key<blanks>: value" in a text laid out as /proc/cpuinfo; "" where
// there is none.
std::string cpuinfoValue(std::istream& cpuinfo, const std::string& key);
