// sort_steps: records bubble, selection, merge and quick sort step by step, from the very
// source the demos compile, and prints a trace of each: a row per pass, merge or partition.
// It also writes sort_steps.html, a page that steps through them, and prints its path.
//   sort_steps            the demos' own arrays
//   sort_steps 5 3 9 1    your own values too, up to 64 of them
#include <iostream>
#include <string>
#include <vector>

#include "consoletrace.h"
#include "failurekind.h"
#include "inputs.h"
#include "outputfile.h"
#include "page.h"
#include "recorder.h"
#include "stdoutcheck.h"

namespace {

const char* const program = "sort_steps";

using steps::SortKind;

int run(const std::vector<std::string>& args) {
    std::string problem;
    const auto own = steps::parseValues(args, problem);
    if (!own) {
        std::cerr << program << ": " << problem << '\n';
        return 1;
    }
    OutputFile page(program, "sort_steps.html");
    if (!page.tryOpen()) return 1;

    std::vector<steps::PageSort> sorts;
    for (SortKind kind :
         {SortKind::bubble, SortKind::selection, SortKind::merge, SortKind::quick}) {
        steps::PageSort sort{kind, {}};
        const std::vector<int> demo = steps::demoValues(kind);
        if (!own->empty()) {
            sort.inputs.push_back(
                {"your " + std::to_string(own->size()) + " values", steps::record(kind, *own)});
        }
        sort.inputs.push_back(
            {"the demo's " + std::to_string(demo.size()) + " values", steps::record(kind, demo)});
        for (const steps::NamedInput& input : steps::pageInputs()) {
            sort.inputs.push_back({input.label, steps::record(kind, input.values)});
        }
        std::cout << steps::consoleTrace(sort.inputs.front().trace) << '\n';
        sorts.push_back(std::move(sort));
    }
    if (!page.write(steps::sortStepsPage(sorts))) return 1;
    std::cout << "Wrote " << page.path() << ": open it in a browser to step through each sort.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) try {
    checkStandardOutputAtExit(program);
    return run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
} catch (...) {
    return reportUnexpectedFailure(program, std::cerr);
}
