// Writing a recorded sort as rows of text.
#include "consoletrace.h"

#include <algorithm>
#include <map>
#include <vector>

namespace steps {

const char* sortSource(SortKind kind) {
    switch (kind) {
        case SortKind::bubble:
            return "plainBubblePasses in bubble/plainpasses.h, the loop of bubble_bench_plain";
        case SortKind::selection:
            return "selectionSort in sorting/selection.h, as selection_demo runs it";
        case SortKind::merge:
            return "mergeSort and merge in sorting/merge.h, as merge_demo runs them";
        case SortKind::quick:
            return "quickSort and partition in sorting/quick.h, as quick_demo runs them";
    }
    return "";
}

namespace {

struct Entry {
    int value;
    int origin;
    bool operator==(const Entry& other) const {
        return value == other.value && origin == other.origin;
    }
};

// One row: its label and the array, each entry that changed since the row before marked *.
std::string row(const std::string& label, const std::vector<Entry>& now,
                const std::vector<Entry>& before, std::size_t cell) {
    constexpr std::size_t labelWidth = 16;
    std::string out =
        "  " + label + std::string(labelWidth - 2 - std::min(label.size(), labelWidth - 3), ' ');
    std::size_t column = out.size();
    for (std::size_t i = 0; i < now.size(); ++i) {
        std::string text(cell > 0 ? cell : 0, ' ');  // the value right-aligned in its cell
        std::string shown = std::to_string(now[i].value);
        shown += now[i] == before[i] ? ' ' : '*';
        text.replace(text.size() - std::min(text.size(), shown.size()), shown.size(), shown);
        if (column + text.size() > consoleWidth) {
            out += "\n" + std::string(labelWidth, ' ');
            column = labelWidth;
        }
        out += text;
        column += text.size();
    }
    out.erase(out.find_last_not_of(' ') + 1);  // no blank at a line's end
    return out + "\n";
}

std::string rowLabel(const Step& end, SortKind kind, int pass) {
    const auto span = [](int a, int b) { return std::to_string(a) + "-" + std::to_string(b); };
    switch (kind) {
        case SortKind::bubble:
        case SortKind::selection:
            return "pass " + std::to_string(pass);
        case SortKind::merge:
            return "merge " + span(end.range[0], end.range[2]);
        case SortKind::quick:
            return "part " + span(end.range[0], end.range[1]) + " @" + std::to_string(end.range[2]);
    }
    return "";
}

// The ties: whether each value that stands more than once kept its slots' order.
std::string tiesLine(const SortTrace& trace) {
    std::map<int, std::vector<int>> startSlots;  // value: the slots it started in
    for (std::size_t i = 0; i < trace.start.size(); ++i) {
        startSlots[trace.start[i]].push_back(static_cast<int>(i));
    }
    std::string out;
    for (const auto& [value, starts] : startSlots) {
        if (starts.size() < 2) continue;
        std::vector<int> order;  // the start slots in the order they ended
        for (std::size_t i = 0; i < trace.result.size(); ++i) {
            if (trace.result[i] == value) order.push_back(trace.origins[i]);
        }
        const bool kept = std::is_sorted(order.begin(), order.end());
        out += "  ties: the " + std::to_string(starts.size()) + " values " + std::to_string(value) +
               (kept ? " kept" : " did not keep") + " the order of their starting slots\n";
    }
    return out;
}

}  // namespace

std::string consoleTrace(const SortTrace& trace) {
    const std::size_t n = trace.start.size();
    std::size_t cell = 2;
    for (int v : trace.start) cell = std::max(cell, std::to_string(v).size() + 2);
    std::vector<Entry> now(n), before(n);
    for (std::size_t i = 0; i < n; ++i) now[i] = before[i] = {trace.start[i], static_cast<int>(i)};

    std::string out = std::string(sortName(trace.kind)) + ": " + sortSource(trace.kind) + "\n";
    out += row("start", now, before, cell);
    int pass = 0;
    for (const Step& step : trace.steps) {
        for (const Write& w : step.writes) {
            if (!w.scratch) now[static_cast<std::size_t>(w.slot)] = {w.value, w.origin};
        }
        if (step.kind == StepKind::begin &&
            (trace.kind == SortKind::bubble || trace.kind == SortKind::selection)) {
            ++pass;
        }
        if (step.kind == StepKind::end) {
            out += row(rowLabel(step, trace.kind, pass), now, before, cell);
            before = now;
        }
    }
    const long comparisons = trace.comparisons;
    const long m = static_cast<long>(n);
    std::string counted = "  comparisons: " + std::to_string(comparisons);
    if (trace.kind == SortKind::bubble && n > 0) {
        counted +=
            ", as (n-1)^2 = " + std::to_string((m - 1) * (m - 1)) + " for n = " + std::to_string(n);
    } else if (trace.kind == SortKind::selection) {
        counted +=
            ", as n(n-1)/2 = " + std::to_string(m * (m - 1) / 2) + " for n = " + std::to_string(n);
    }
    counted += "; writes: " + std::to_string(trace.writes);
    const long exchanges = std::count_if(trace.steps.begin(), trace.steps.end(), [](const Step& s) {
        return s.kind == StepKind::exchange;
    });
    if (trace.kind == SortKind::merge) {
        const long scratch =
            std::count_if(trace.steps.begin(), trace.steps.end(),
                          [](const Step& s) { return !s.writes.empty() && s.writes[0].scratch; });
        counted += " (" + std::to_string(scratch) + " into the scratch run, " +
                   std::to_string(trace.writes - scratch) + " back)";
    } else {
        counted +=
            " (" + std::to_string(exchanges) + (exchanges == 1 ? " exchange)" : " exchanges)");
    }
    out += counted + "\n" + tiesLine(trace);
    return out;
}

}  // namespace steps
