// sort_timing: times the project's sorts on this machine, on random and on sorted input, as n
// grows, and writes a table (standard output), sort_timing.csv and sort_timing.svg. Each time
// is the best of three rounds; a sort stops growing before it would take a second. Every sort's
// result is checked against std::sort's: one that does not sort is named and left out, and
// the run then ends with status 1. SORT_TIMING_LARGEST_N in the environment caps n (100 to
// 1000000; 1000000 unless set). On a terminal, a progress line on standard error says what is
// being timed.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "failurekind.h"
#include "kernels.h"
#include "machine.h"
#include "outputfile.h"
#include "progressline.h"
#include "sortstotime.h"
#include "stdoutcheck.h"
#include "svgplot.h"
#include "timingplan.h"
#include "timingtext.h"

namespace {

const char* const program = "sort_timing";

// Names each sort that did not sort, once, on standard error; whether there was one.
bool reportFaults(const std::vector<Series>& all) {
    bool any = false;
    for (const Series& s : all) {
        if (!s.fault || s.input != s.fault->input) continue;
        any = true;
        std::cerr << program << ": " << s.sortName << " does not sort: on " << s.input
                  << " input of " << s.fault->n << " values, slot " << s.fault->slot << " holds "
                  << s.fault->found << " where std::sort puts " << s.fault->expected
                  << "; it is left out of the table, the CSV and the picture\n";
    }
    return any;
}

std::string machineFields() {
    return csvField(cpuName()) + "," + csvField(compilerName()) + "," +
           (isOptimisedBuild() ? "optimised" : "Debug") + "," + csvField(systemName());
}

int run() {
    const auto started = std::chrono::steady_clock::now();
    const TimingPlan plan;
    if (!isOptimisedBuild()) {
        std::cerr << program
                  << ": warning: this is a Debug build, not optimised: its times say "
                     "little of the sorts; build Release to time them\n";
    }
    const char* setting = std::getenv("SORT_TIMING_LARGEST_N");
    const std::optional<long> largest = largestSizeSetting(setting);
    if (!largest) {
        std::cerr << program << ": SORT_TIMING_LARGEST_N=\"" << setting
                  << "\" is not a whole number from 100 to 1000000\n";
        return 1;
    }
    OutputFile csv(program, "sort_timing.csv");
    OutputFile svg(program, "sort_timing.svg");
    const bool csvOpens = csv.tryOpen();
    const bool svgOpens = svg.tryOpen();
    if (!csvOpens || !svgOpens) return 1;

    ProgressLine progress(program, std::cerr);
    const std::vector<Series> all =
        timeAll(sortsToTime(), timingSizes(*largest), plan,
                [&progress](const std::string& line) { progress.show(line); });
    progress.done();

    for (const char* input : {"random", "sorted"}) {
        std::cout << timingTable(all, input, plan.repetitions, referenceSort);
    }
    const bool faults = reportFaults(all);
    const std::string title = "Time per sort: " + cpuName() + ", " + compilerName() +
                              ", bubble kernel " + kernelName(chosenKernel()) +
                              (isOptimisedBuild() ? "" : " (Debug build: not representative)");
    // Each file on its own: one that fails does not cost the other.
    const bool csvWritten = csv.write(timingCsv(all, machineFields()));
    const bool svgWritten = svg.write(timingSvg(all, title));
    if (!csvWritten || !svgWritten) return 1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << title << "\nWrote " << csv.path() << " and " << svg.path() << " (the timing took "
              << duration(took.count()) << ").\n";
    return faults ? 1 : 0;
}

}  // namespace

int main() try {
    checkStandardOutputAtExit(program);
    return run();
} catch (...) {
    return reportUnexpectedFailure(program, std::cerr);
}
