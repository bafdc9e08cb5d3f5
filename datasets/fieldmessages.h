// What the messages say of a field that holds no int: where it is, and what it seems to be.
#pragma once

#include <string>

#include "dataset.h"
#include "excerpt.h"

// What a spreadsheet, an editor or a web page may have put where a number should be, named,
// with what to do; "" when the field is nothing of the kind. `endsTheFile`: the input ended
// inside the field.
std::string hintFor(int fieldNumber, const Excerpt& text, TextPosition where, bool endsTheFile);

// How a data set's values must stand, for the hints that ask a learner to move them.
inline constexpr char dataSetShape[] = "the values must stand on one line, separated by commas";

// A rejected field's message: `field 3 ("x") is not a number`, its line and column when below
// line 1, and then its hint.
std::string describeField(int field, FieldStatus status, const std::string& excerpt,
                          TextPosition where, const std::string& hint);
