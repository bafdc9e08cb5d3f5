// sort_steps.html: one file that opens from disk, with the recorded steps as JSON and the page's
// HTML, CSS and JavaScript, which the build embeds from steps/page/.
#pragma once

#include <string>
#include <vector>

#include "recorder.h"

namespace steps {

// One input of a sort as the page offers it.
struct PageInput {
    std::string label;  // "the demo's 5 values", "16 random values"
    SortTrace trace;
};

struct PageSort {
    SortKind kind;
    std::vector<PageInput> inputs;
};

// The recorded steps as the page reads them.
std::string stepsJson(const std::vector<PageSort>& sorts);

// The whole page.
std::string sortStepsPage(const std::vector<PageSort>& sorts);

// The files the build embeds: found by name, "" where none is.
std::string embedded(const char* name);

}  // namespace steps
