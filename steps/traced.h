// A value that tells sort_steps what a sort does with it: each comparison, with the operator
// that ran, and each store into a place. The sorts are templates over their value type, so the
// very code the demos compile for ints runs here on these.
#pragma once

namespace steps {

struct Traced;

// The six comparison operators, by what they compute.
enum class Op { less, lessEqual, greater, greaterEqual, equal, notEqual };
const char* opText(Op op);  // "<", "<=", ...

// What the values report, to the recording under way (recorder.cpp), if any.
void noteComparison(const Traced& left, Op op, const Traced& right, bool result);
void noteStore(const Traced& into, const Traced& from, bool constructed);

// An int with the slot it started in, so that equal values show whether a sort keeps their
// order. Copies and moves are stores; a comparison compares the ints alone.
struct Traced {
    int value = 0;
    int origin = 0;

    Traced() = default;
    Traced(int v, int startSlot) : value(v), origin(startSlot) {}
    Traced(const Traced& from) : value(from.value), origin(from.origin) {
        noteStore(*this, from, true);
    }
    Traced(Traced&& from) noexcept : value(from.value), origin(from.origin) {
        noteStore(*this, from, true);
    }
    Traced& operator=(const Traced& from) {
        value = from.value;
        origin = from.origin;
        noteStore(*this, from, false);
        return *this;
    }
    Traced& operator=(Traced&& from) noexcept {
        value = from.value;
        origin = from.origin;
        noteStore(*this, from, false);
        return *this;
    }
    ~Traced() = default;
};

inline bool compared(const Traced& a, Op op, const Traced& b, bool result) {
    noteComparison(a, op, b, result);
    return result;
}
inline bool operator<(const Traced& a, const Traced& b) {
    return compared(a, Op::less, b, a.value < b.value);
}
inline bool operator<=(const Traced& a, const Traced& b) {
    return compared(a, Op::lessEqual, b, a.value <= b.value);
}
inline bool operator>(const Traced& a, const Traced& b) {
    return compared(a, Op::greater, b, a.value > b.value);
}
inline bool operator>=(const Traced& a, const Traced& b) {
    return compared(a, Op::greaterEqual, b, a.value >= b.value);
}
inline bool operator==(const Traced& a, const Traced& b) {
    return compared(a, Op::equal, b, a.value == b.value);
}
inline bool operator!=(const Traced& a, const Traced& b) {
    return compared(a, Op::notEqual, b, a.value != b.value);
}

// Where merge and quick sort begin and end their merges, partitions and ranges. The sorts call
// these by their unqualified names, so that for Traced values these overloads, found beside the
// type, take the call, note it and run the sort's own template: the boundaries come from the
// calls the sorts make, with no line added to them.
void merge(Traced* arr, int low, int high, int mid);
void mergeSort(Traced* arr, int low, int high);
int partition(Traced* arr, int low, int high);
void quickSort(Traced* arr, int low, int high);

}  // namespace steps
