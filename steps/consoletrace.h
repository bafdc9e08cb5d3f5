// The console trace of a recorded sort: a row per pass, merge or partition with the array
// after it, what changed marked, then the counts beside their formulas. ASCII, rows wrapped at
// 100 columns.
#pragma once

#include <string>

#include "recorder.h"

namespace steps {

constexpr std::size_t consoleWidth = 100;

// Where the sort's loop is, as the trace's heading names it.
const char* sortSource(SortKind kind);  // "plainBubblePasses, bubble/plainpasses.h"

std::string consoleTrace(const SortTrace& trace);

}  // namespace steps
