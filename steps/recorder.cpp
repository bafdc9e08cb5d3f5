// Turning what the Traced values report into steps: which places a comparison or a store
// touched (an array slot, a place of merge sort's scratch run, or a value held aside), an
// exchange through a held value as one step, and where each pass, merge or partition begins
// and ends. Every sentence a learner reads is made here.
#include "recorder.h"

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "merge.h"
#include "plainpasses.h"
#include "quick.h"
#include "selection.h"

namespace steps {

const char* opText(Op op) {
    switch (op) {
        case Op::less:
            return "<";
        case Op::lessEqual:
            return "<=";
        case Op::greater:
            return ">";
        case Op::greaterEqual:
            return ">=";
        case Op::equal:
            return "==";
        case Op::notEqual:
            return "!=";
    }
    return "?";
}

const char* sortName(SortKind kind) {
    switch (kind) {
        case SortKind::bubble:
            return "bubble sort";
        case SortKind::selection:
            return "selection sort";
        case SortKind::merge:
            return "merge sort";
        case SortKind::quick:
            return "quick sort";
    }
    return "";
}

namespace {

std::string str(int value) { return std::to_string(value); }

// "slots 2 to 5", "slot 2".
std::string slots(int from, int to) {
    return from == to ? "slot " + str(from) : "slots " + str(from) + " to " + str(to);
}

class Recorder {
  public:
    Recorder(SortKind kind, std::vector<Traced>& arr) : arr_(arr.data()), n_(arr.size()) {
        trace.kind = kind;
        for (const Traced& t : arr) trace.start.push_back(t.value);
        final_ = trace.start;
        std::sort(final_.begin(), final_.end());
        marks_.finalFrom = kind == SortKind::bubble ? static_cast<int>(n_) : -1;
        marks_.finalTo = kind == SortKind::selection ? 0 : -1;
    }

    SortTrace trace;

    void comparison(const Traced& left, Op op, const Traced& right, bool result);
    void store(const Traced& into, const Traced& from, bool constructed);
    void beginMerge(int low, int mid, int high);
    void endMerge();
    void beginPartition(int low, int high);
    void endPartition(int pivotSlot);
    void deeper() { ++depth_; }
    void shallower() { --depth_; }
    void finish();

  private:
    enum class Where { array, scratch, held };
    struct Place {
        Where where;
        int index;  // the slot, or the scratch run's place; held: the slot it was taken from
    };

    Place placeOf(const Traced& t) const;
    std::string valueAt(int slot) const { return str(arr_[slot].value); }
    Step& add(StepKind kind, std::string sentence);
    void flushPendingMove();
    void exchanged(int a, int b);
    void beginPass(int firstSlot);
    void endPass();
    int finalSuffix() const;
    int finalPrefix() const;

    const Traced* arr_;
    std::size_t n_;
    std::vector<int> final_;  // the values in their final order
    Marks marks_;
    int depth_ = 0;
    // Values copied aside (std::swap's temporary, swap's held, quick sort's pivot): where
    // from.
    std::map<const Traced*, int, std::less<>> held_;
    // An exchange under way: a value held aside from heldSlot_, then heldSlot_ overwritten
    // from movedFrom_; the held value going to movedFrom_ completes it.
    const Traced* heldAt_ = nullptr;
    int heldSlot_ = -1;
    int movedFrom_ = -1;
    // merge sort's scratch run: where its first place is, once the first value goes there.
    const Traced* scratch_ = nullptr;
    bool merging_ = false;
    bool partitioning_ = false;
    int pass_ = 0;
    bool passOpen_ = false;
    int lastLeft_ = -1;  // bubble: the left slot of the pass's last comparison
    int passStart_ = 0;
};

Recorder::Place Recorder::placeOf(const Traced& t) const {
    const std::less<> before;
    const Traced* at = &t;
    if (!before(at, arr_) && before(at, arr_ + n_)) {
        return {Where::array, static_cast<int>(at - arr_)};
    }
    if (merging_ && scratch_ != nullptr && !before(at, scratch_) && before(at, scratch_ + n_)) {
        return {Where::scratch, static_cast<int>(at - scratch_)};
    }
    const auto found = held_.find(at);
    return {Where::held, found != held_.end() ? found->second : -1};
}

Step& Recorder::add(StepKind kind, std::string sentence) {
    Step step;
    step.kind = kind;
    step.sentence = std::move(sentence);
    step.depth = depth_;
    trace.steps.push_back(std::move(step));
    return trace.steps.back();
}

// A store into heldSlot_ that no held value followed: a write of its own after all.
void Recorder::flushPendingMove() {
    if (movedFrom_ < 0) return;
    const int slot = heldSlot_;
    movedFrom_ = -1;
    heldAt_ = nullptr;
    Step& step = add(StepKind::write, "write " + valueAt(slot) + " into slot " + str(slot));
    step.writes.push_back({false, slot, arr_[slot].value, arr_[slot].origin});
    step.marks = marks_;
    trace.writes += 1;
}

void Recorder::comparison(const Traced& left, Op op, const Traced& right, bool result) {
    flushPendingMove();
    const Place a = placeOf(left);
    const Place b = placeOf(right);
    ++trace.comparisons;
    const std::string l = str(left.value);
    const std::string r = str(right.value);
    const std::string holds =
        result ? l + " " + opText(op) + " " + r : l + " " + opText(op) + " " + r + " is false";
    std::string sentence;
    switch (trace.kind) {
        case SortKind::bubble:
            if (!passOpen_ || a.index <= lastLeft_) {
                if (passOpen_) endPass();
                beginPass(a.index);
            }
            lastLeft_ = a.index;
            sentence = "compare " + l + " and " + r + " (slots " + str(a.index) + " and " +
                       str(b.index) + "): " + holds + (result ? ", exchange" : ", no exchange");
            break;
        case SortKind::selection:
            if (!passOpen_) {
                marks_.minimum = b.index;
                beginPass(b.index);
            }
            sentence = "compare " + l + " (slot " + str(a.index) + ") with the smallest so far, " +
                       r + " (slot " + str(b.index) + "): " + holds +
                       (result ? ", so " + l + " is now the smallest" : ", it stays the smallest");
            if (result) marks_.minimum = a.index;
            break;
        case SortKind::merge:
            sentence = "compare " + l + " (left run, slot " + str(a.index) + ") and " + r +
                       " (right run, slot " + str(b.index) + "): " + holds + ", so " +
                       (result ? l : r) + " goes next";
            break;
        case SortKind::quick:
            sentence = "compare " + l + " (slot " + str(a.index) + ") with the pivot " + r + ": " +
                       holds + (result ? ", so it goes to the left part" : ", so it stays right");
            break;
    }
    Step& step = add(StepKind::compare, sentence);
    step.compared = {a.where == Where::held ? -1 : a.index, b.where == Where::held ? -1 : b.index};
    step.comparedScratch = a.where == Where::scratch || b.where == Where::scratch;
    step.marks = marks_;
}

void Recorder::store(const Traced& into, const Traced& from, bool constructed) {
    Place to = placeOf(into);
    const Place source = placeOf(from);
    if (constructed && to.where == Where::held && merging_ && scratch_ == nullptr) {
        scratch_ = &into;  // the scratch run's first place
        to = placeOf(into);
    }
    if (to.where == Where::held) {
        // A value copied aside: no slot changes, so no step; an exchange may follow.
        flushPendingMove();
        held_[&into] = source.where == Where::array ? source.index : -1;
        heldAt_ = &into;
        heldSlot_ = source.where == Where::array ? source.index : -1;
        return;
    }
    if (to.where == Where::scratch) {
        flushPendingMove();
        Step& step = add(StepKind::write, "write " + str(from.value) +
                                              " into the scratch run, place " + str(to.index));
        step.writes.push_back({true, to.index, into.value, into.origin});
        step.marks = marks_;
        trace.writes += 1;
        return;
    }
    // Into an array slot.
    if (source.where == Where::array && to.index == heldSlot_ && heldAt_ != nullptr &&
        movedFrom_ < 0) {
        movedFrom_ = source.index;  // the first half of an exchange
        return;
    }
    if (source.where == Where::held && &from == heldAt_ && movedFrom_ >= 0 &&
        to.index == movedFrom_) {
        const int a = heldSlot_;
        movedFrom_ = -1;
        heldAt_ = nullptr;
        exchanged(a, to.index);
        return;
    }
    flushPendingMove();
    Step& step =
        add(StepKind::write, source.where == Where::scratch
                                 ? "copy " + str(from.value) +
                                       " back from the scratch run into slot " + str(to.index)
                                 : "write " + str(from.value) + " into slot " + str(to.index));
    step.writes.push_back({false, to.index, into.value, into.origin});
    step.marks = marks_;
    trace.writes += 1;
}

void Recorder::exchanged(int a, int b) {
    std::string sentence =
        "exchange slots " + str(a) + " and " + str(b) + ": now " + valueAt(a) + ", " + valueAt(b);
    if (a == b) {
        sentence = "exchange slot " + str(a) + " with itself: it already holds " + valueAt(a);
    }
    switch (trace.kind) {
        case SortKind::selection:
            sentence = a == b ? "slot " + str(a) + " already holds the smallest, " + valueAt(a) +
                                    ": exchanged with itself"
                              : "exchange the smallest, " + valueAt(a) + ", into slot " + str(a) +
                                    " (and " + valueAt(b) + " into slot " + str(b) + ")";
            break;
        case SortKind::quick:
            if (partitioning_) {
                sentence = (a == b ? "exchange slot " + str(a) + " with itself"
                                   : "exchange slots " + str(a) + " and " + str(b)) +
                           ": " + valueAt(b) + " joins the left part, which now ends at slot " +
                           str(b);
                marks_.boundary = b + 1;
            }
            break;
        default:
            break;
    }
    Step& step = add(StepKind::exchange, sentence);
    step.writes.push_back({false, a, arr_[a].value, arr_[a].origin});
    step.writes.push_back({false, b, arr_[b].value, arr_[b].origin});
    step.marks = marks_;
    trace.writes += 2;
    if (trace.kind == SortKind::selection) endPass();
}

void Recorder::beginPass(int firstSlot) {
    ++pass_;
    passOpen_ = true;
    passStart_ = firstSlot;
    const int last = static_cast<int>(n_) - 1;
    Step& step =
        add(StepKind::begin,
            trace.kind == SortKind::bubble
                ? "pass " + str(pass_) + ": compare each neighbouring pair in turn, from " +
                      slots(firstSlot, firstSlot + 1).replace(0, 5, "slots")
                : "pass " + str(pass_) + ": find the smallest of " + slots(firstSlot, last) +
                      " and exchange it into slot " + str(firstSlot));
    step.range = {firstSlot, last};
    step.marks = marks_;
}

// How many of the last slots hold the values they will hold when sorted.
int Recorder::finalSuffix() const {
    int k = 0;
    while (k < static_cast<int>(n_) && arr_[n_ - 1 - k].value == final_[n_ - 1 - k]) ++k;
    return k;
}

int Recorder::finalPrefix() const {
    int k = 0;
    while (k < static_cast<int>(n_) && arr_[k].value == final_[k]) ++k;
    return k;
}

void Recorder::endPass() {
    flushPendingMove();
    passOpen_ = false;
    std::string sentence;
    if (trace.kind == SortKind::bubble) {
        const int k = finalSuffix();
        marks_.finalFrom = static_cast<int>(n_) - k;
        sentence = "after pass " + str(pass_) + " " +
                   (k == static_cast<int>(n_) ? "all " + str(k) + " values are"
                    : k == 1                  ? "the last value is"
                                              : "the last " + str(k) + " values are") +
                   " in their final places";
    } else {
        const int k = finalPrefix();
        marks_.finalTo = k;
        marks_.minimum = -1;
        sentence = "after pass " + str(pass_) + " " +
                   (k == static_cast<int>(n_) ? "all " + str(k) + " values are"
                    : k == 1                  ? "the first value is"
                                              : "the first " + str(k) + " values are") +
                   " in their final places";
    }
    Step& step = add(StepKind::end, sentence);
    step.range = {passStart_, static_cast<int>(n_) - 1};
    step.marks = marks_;
}

void Recorder::beginMerge(int low, int mid, int high) {
    flushPendingMove();
    merging_ = true;
    scratch_ = nullptr;
    marks_.low = low, marks_.mid = mid, marks_.high = high;
    std::string left, right;
    for (int i = low; i <= mid; ++i) left += " " + valueAt(i);
    for (int i = mid + 1; i <= high; ++i) right += " " + valueAt(i);
    Step& step = add(StepKind::begin, "merge the sorted runs in " + slots(low, mid) + " (" +
                                          left.substr(1) + ") and " + slots(mid + 1, high) + " (" +
                                          right.substr(1) + ") through the scratch run");
    step.range = {low, mid, high};
    step.clearScratch = true;
    step.marks = marks_;
}

void Recorder::endMerge() {
    flushPendingMove();
    const int low = marks_.low, high = marks_.high;
    merging_ = false;
    std::string values;
    bool inOrder = true;
    for (int i = low; i <= high; ++i) {
        values += " " + valueAt(i);
        if (i > low && arr_[i].value < arr_[i - 1].value) inOrder = false;
    }
    Step& step = add(StepKind::end, slots(low, high) + " now hold" + values +
                                        (inOrder ? ", in order" : ", not yet in order"));
    step.range = {low, marks_.mid, high};
    step.clearScratch = true;
    marks_.low = marks_.mid = marks_.high = -1;
    step.marks = marks_;
}

void Recorder::beginPartition(int low, int high) {
    flushPendingMove();
    partitioning_ = true;
    marks_.low = low, marks_.high = high, marks_.pivot = high, marks_.boundary = low;
    marks_.pivotValue = arr_[high].value;
    Step& step =
        add(StepKind::begin, "partition " + slots(low, high) + " around the pivot " +
                                 valueAt(high) + ", the last value (slot " + str(high) + ")");
    step.range = {low, high};
    step.marks = marks_;
}

void Recorder::endPartition(int p) {
    flushPendingMove();
    partitioning_ = false;
    const int low = marks_.low, high = marks_.high;
    // The last exchange put the pivot between the parts: say so.
    for (auto step = trace.steps.rbegin(); step != trace.steps.rend(); ++step) {
        if (step->kind == StepKind::begin) break;
        if (step->kind != StepKind::exchange) continue;
        step->sentence = (p == high ? "exchange slot " + str(p) + " with itself"
                                    : "exchange slots " + str(p) + " and " + str(high)) +
                         ": the pivot " + str(marks_.pivotValue) + " moves between the parts";
        step->marks.pivot = p;
        step->marks.boundary = -1;
        break;
    }
    const bool isFinal = arr_[p].value == final_[p];
    Step& step = add(StepKind::end,
                     "the pivot " + str(marks_.pivotValue) +
                         (isFinal ? " is in its final place, slot " : " stands in slot ") + str(p) +
                         ": smaller or equal values left of it, greater "
                         "ones right");
    step.range = {low, high, p};
    marks_.low = marks_.high = marks_.boundary = -1;
    marks_.pivot = p;
    step.marks = marks_;
    marks_.pivot = -1;
}

void Recorder::finish() {
    flushPendingMove();
    if (passOpen_) endPass();
}

Recorder* active = nullptr;

// The recording under way, for the values and the overloads below; none outside record().
class Recording {
  public:
    explicit Recording(Recorder& recorder) { active = &recorder; }
    ~Recording() { active = nullptr; }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

}  // namespace

void noteComparison(const Traced& left, Op op, const Traced& right, bool result) {
    if (active != nullptr) active->comparison(left, op, right, result);
}

void noteStore(const Traced& into, const Traced& from, bool constructed) {
    if (active != nullptr) active->store(into, from, constructed);
}

void merge(Traced* arr, int low, int high, int mid) {
    if (active != nullptr) active->beginMerge(low, mid, high);
    ::merge<Traced>(arr, low, high, mid);
    if (active != nullptr) active->endMerge();
}

void mergeSort(Traced* arr, int low, int high) {
    if (active != nullptr) active->deeper();
    ::mergeSort<Traced>(arr, low, high);
    if (active != nullptr) active->shallower();
}

int partition(Traced* arr, int low, int high) {
    if (active != nullptr) active->beginPartition(low, high);
    const int p = ::partition<Traced>(arr, low, high);
    if (active != nullptr) active->endPartition(p);
    return p;
}

void quickSort(Traced* arr, int low, int high) {
    if (active != nullptr) active->deeper();
    ::quickSort<Traced>(arr, low, high);
    if (active != nullptr) active->shallower();
}

SortTrace record(SortKind kind, const std::vector<int>& values) {
    std::vector<Traced> arr;
    arr.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        arr.emplace_back(values[i], static_cast<int>(i));
    }
    const int n = static_cast<int>(arr.size());
    Recorder recorder(kind, arr);
    {
        const Recording recording(recorder);
        switch (kind) {
            case SortKind::bubble:
                plainBubblePasses(arr.data(), n, n - 1);
                break;
            case SortKind::selection:
                selectionSort(arr.data(), n);
                break;
            case SortKind::merge:
                mergeSort(arr.data(), 0, n - 1);
                break;
            case SortKind::quick:
                quickSort(arr.data(), 0, n - 1);
                break;
        }
        recorder.finish();
    }
    for (const Traced& t : arr) {
        recorder.trace.result.push_back(t.value);
        recorder.trace.origins.push_back(t.origin);
    }
    return recorder.trace;
}

}  // namespace steps
