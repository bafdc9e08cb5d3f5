// Recording a sort step by step: what the Traced values report, turned into steps that say what
// happened in words and what holds after it.
#pragma once

#include <string>
#include <vector>

#include "traced.h"

namespace steps {

// The sorts sort_steps records.
enum class SortKind { bubble, selection, merge, quick };

// One store a step made: into the array, or into merge sort's scratch run.
struct Write {
    bool scratch = false;
    int slot = 0;
    int value = 0;
    int origin = 0;
};

// What the picture marks at a step, beyond the compared and written slots; -1 where none.
struct Marks {
    int finalFrom = -1;  // bubble: slots finalFrom.. hold their final values
    int finalTo = -1;    // selection: slots ..finalTo - 1 hold theirs
    int minimum = -1;    // selection: the smallest so far
    int low = -1;        // merge: the range merged, its left run low..mid; quick: the partition
    int mid = -1;
    int high = -1;
    int pivot = -1;     // quick: the pivot's slot while it waits, then its final one
    int boundary = -1;  // quick: where the next value <= the pivot goes
    int pivotValue = 0;
};

enum class StepKind { begin, compare, write, exchange, end };

// One step: what it did, on which slots, what it wrote, the marks after it, and in words.
struct Step {
    StepKind kind;
    std::vector<int> compared;  // two slots; -1 stands for the held pivot
    bool comparedScratch = false;
    std::vector<Write> writes;
    bool clearScratch = false;  // the scratch run empties: a merge begins
    Marks marks;
    std::string sentence;
    std::vector<int> range;  // begin and end: the pass's, merge's or partition's slots
    int depth = 0;           // merge and quick: how deep the recursion stands
};

// A whole recorded sort: the values it started from, its steps, and its counts.
struct SortTrace {
    SortKind kind;
    std::vector<int> start;
    std::vector<Step> steps;
    std::vector<int> result;   // the values as the sort left them
    std::vector<int> origins;  // and the slots they started in
    long comparisons = 0;
    long writes = 0;  // stores into the array or the scratch run; an exchange is two
};

// Runs the sort on `values` as Traced values and records every step.
SortTrace record(SortKind kind, const std::vector<int>& values);

const char* sortName(SortKind kind);  // "bubble sort"

}  // namespace steps
