// sort_timing's text: the table for the console and the CSV, from the timed series.
#pragma once

#include <string>
#include <vector>

#include "timingplan.h"

// "2.10 us", "13.4 ms", "1.02 s": three figures and a unit, in ASCII.
std::string duration(double seconds);

// The widest a table's line grows before its sorts go on in a second block.
constexpr std::size_t tableWidth = 100;

// The table of the series on one input ("random"): a row per n, a column per sort, then the
// growth and the ratio to `reference`, each at the n every sort reached, in blocks of columns
// no wider than tableWidth, and the notes that say what the rows mean.
std::string timingTable(const std::vector<Series>& all, const std::string& input, int repetitions,
                        const std::string& reference);

// One CSV row per timing, each naming the machine (`machine`: its cpu, compiler, build and
// system fields, already CSV), so that files from two machines can be set side by side.
std::string timingCsv(const std::vector<Series>& all, const std::string& machine);

// A CSV field, quoted where it holds a comma, a quote or a line end.
std::string csvField(const std::string& text);
