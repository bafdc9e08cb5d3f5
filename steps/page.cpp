// Writing the page: the recorded steps as JSON inside the embedded HTML.
#include "page.h"

#include <string_view>

#include "consoletrace.h"

std::string_view embeddedText(std::string_view name);  // made by embed_text at build time

namespace steps {

namespace {

// A JSON string: quoted, with what JSON and an HTML script block cannot hold escaped ("</"
// would end the block).
std::string quoted(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += {'\\', c};
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '<' && i + 1 < text.size() && text[i + 1] == '/') {
            out += "<\\/";
            ++i;
        } else if (byte < 0x20) {
            out += {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xf]};
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string list(const std::vector<int>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += (i == 0 ? "" : ",") + std::to_string(values[i]);
    }
    return out + "]";
}

bool sameMarks(const Marks& a, const Marks& b) {
    return a.finalFrom == b.finalFrom && a.finalTo == b.finalTo && a.minimum == b.minimum &&
           a.low == b.low && a.mid == b.mid && a.high == b.high && a.pivot == b.pivot &&
           a.boundary == b.boundary && a.pivotValue == b.pivotValue;
}

std::string marksJson(const Marks& m) {
    return "{\"f\":" + std::to_string(m.finalFrom) + ",\"t\":" + std::to_string(m.finalTo) +
           ",\"n\":" + std::to_string(m.minimum) + ",\"l\":" + std::to_string(m.low) +
           ",\"d\":" + std::to_string(m.mid) + ",\"h\":" + std::to_string(m.high) +
           ",\"p\":" + std::to_string(m.pivot) + ",\"b\":" + std::to_string(m.boundary) +
           ",\"v\":" + std::to_string(m.pivotValue) + "}";
}

const char* kindCode(StepKind kind) {
    switch (kind) {
        case StepKind::begin:
            return "b";
        case StepKind::compare:
            return "c";
        case StepKind::write:
            return "w";
        case StepKind::exchange:
            return "x";
        case StepKind::end:
            return "e";
    }
    return "";
}

// A step: its kind, sentence, compared slots, writes (scratch?, slot, value, origin), whether
// the scratch run empties, and the marks where they changed.
std::string stepJson(const Step& step, const Marks* before) {
    std::string out = R"({"k":")" + std::string(kindCode(step.kind)) + R"(","s":)";
    out += quoted(step.sentence);
    if (!step.compared.empty()) {
        out += ",\"c\":" + list(step.compared) + (step.comparedScratch ? ",\"cs\":1" : "");
    }
    if (!step.writes.empty()) {
        out += ",\"w\":[";
        for (std::size_t i = 0; i < step.writes.size(); ++i) {
            const Write& w = step.writes[i];
            out += (i == 0 ? "[" : ",[") + std::to_string(w.scratch ? 1 : 0) + "," +
                   std::to_string(w.slot) + "," + std::to_string(w.value) + "," +
                   std::to_string(w.origin) + "]";
        }
        out += "]";
    }
    if (step.clearScratch) out += ",\"x\":1";
    if (!step.range.empty()) {
        out += ",\"r\":" + list(step.range) + ",\"dp\":" + std::to_string(step.depth);
    }
    if (before == nullptr || !sameMarks(*before, step.marks)) {
        out += ",\"m\":" + marksJson(step.marks);
    }
    return out + "}";
}

const char* sortKey(SortKind kind) {
    switch (kind) {
        case SortKind::bubble:
            return "bubble";
        case SortKind::selection:
            return "selection";
        case SortKind::merge:
            return "merge";
        case SortKind::quick:
            return "quick";
    }
    return "";
}

const char* sourceFile(SortKind kind) {
    switch (kind) {
        case SortKind::bubble:
            return "bubble/plainpasses.h";
        case SortKind::selection:
            return "sorting/selection.h";
        case SortKind::merge:
            return "sorting/merge.h";
        case SortKind::quick:
            return "sorting/quick.h";
    }
    return "";
}

}  // namespace

std::string embedded(const char* name) { return std::string(embeddedText(name)); }

std::string stepsJson(const std::vector<PageSort>& sorts) {
    std::string out = "{\"sorts\":[";
    for (std::size_t s = 0; s < sorts.size(); ++s) {
        const PageSort& sort = sorts[s];
        out += (s == 0 ? "" : ",") + std::string(R"({"key":")") + sortKey(sort.kind) +
               R"(","name":)" + quoted(sortName(sort.kind)) +
               ",\"where\":" + quoted(sortSource(sort.kind)) +
               ",\"file\":" + quoted(sourceFile(sort.kind)) +
               ",\"source\":" + quoted(embedded(sourceFile(sort.kind))) + ",\"inputs\":[";
        for (std::size_t i = 0; i < sort.inputs.size(); ++i) {
            const SortTrace& t = sort.inputs[i].trace;
            std::string start;
            for (int v : t.start) start += " " + std::to_string(v);
            out += (i == 0 ? "" : ",") + std::string("{\"label\":") + quoted(sort.inputs[i].label) +
                   ",\"begin\":" +
                   quoted("the array as " + std::string(sortName(sort.kind)) + " starts:" + start) +
                   ",\"values\":" + list(t.start) + ",\"result\":" + list(t.result) +
                   ",\"origins\":" + list(t.origins) +
                   ",\"comparisons\":" + std::to_string(t.comparisons) +
                   ",\"writes\":" + std::to_string(t.writes) + ",\"steps\":[";
            const Marks* before = nullptr;
            for (std::size_t k = 0; k < t.steps.size(); ++k) {
                out += (k == 0 ? "" : ",") + stepJson(t.steps[k], before);
                before = &t.steps[k].marks;
            }
            out += "]}";
        }
        out += "]}";
    }
    out += "],\"legend\":{";
    const std::string common =
        "Above the bars: compare (orange), the two slots compared; write (pink), the slots just "
        "written; final (green), values in their final places. Below each bar, its value and #the "
        "slot it started in, so that equal values show whether a sort keeps their order.";
    out += "\"bubble\":" + quoted(common) + ",\"selection\":" +
           quoted(common + " min (outlined): the smallest value found so far in this pass.") +
           ",\"merge\":" +
           quoted(common +
                  " left and right (the right striped): the two sorted runs being "
                  "merged, the rest dimmed; the second row is the scratch run as it fills.") +
           ",\"quick\":" +
           quoted(common +
                  " pivot (purple): the value partitioned around; next left (a line at "
                  "its left edge): where the next value <= the pivot goes; outside the "
                  "range partitioned, dimmed.");
    return out + "}}";
}

std::string sortStepsPage(const std::vector<PageSort>& sorts) {
    std::string page = embedded("sortsteps.html");
    const auto put = [&page](const std::string& mark, const std::string& text) {
        const std::size_t at = page.find(mark);
        if (at != std::string::npos) page.replace(at, mark.size(), text);
    };
    put("/* stepper.css */", embedded("stepper.css"));
    put("/* sortsteps.css */", embedded("sortsteps.css"));
    put("/* stepper.js */", embedded("stepper.js"));
    put("/* sortsteps.js */", embedded("sortsteps.js"));
    put("/* steps data */", stepsJson(sorts));  // last: no mark is looked for inside it
    return page;
}

}  // namespace steps
