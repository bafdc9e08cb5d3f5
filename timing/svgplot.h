// The timing picture as SVG: time per sort against n on log-log axes, one line per sort and
// input, with n² and n log n guides. Plain SVG, no script, the generic sans-serif font: it
// opens in any browser and on GitHub.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "timingplan.h"

// A logarithmic axis from one value to another, mapped onto pixels.
struct LogAxis {
    double low;  // the value at fromPixel
    double high;
    double fromPixel;
    double toPixel;

    double pixel(double value) const;
};

// The axis over [smallest, largest]: from the power of ten at or below the smallest, to the one
// at or above the largest, or, with `endAtLargest`, to the largest itself (the n axis ends at the
// largest n timed, not the decade after it).
LogAxis logAxis(double smallest, double largest, double fromPixel, double toPixel,
                bool endAtLargest = false);

// The powers of ten on the axis, ends included: where its ticks and labels go.
std::vector<double> decadeTicks(const LogAxis& axis);

// How a sort is drawn: its colour, and its marker's shape; filled markers and solid lines
// stand for random input, hollow markers and dashed lines for sorted input.
enum class MarkerShape {
    circle,
    square,
    triangle,
    diamond,
    triangleDown,
    pentagon,
    star,
    plus,
    cross,
    hexagon
};
struct SortStyle {
    const char* colour;
    MarkerShape shape;
};
// The style of the sort at `index` in the picture's order: ten colours and ten shapes, so that
// ten sorts differ in both, and any two of up to a hundred differ in one at least.
SortStyle sortStyle(std::size_t index);

// Where the n² and n log n guides start: at the smallest n timed, guideOffset times below the
// fastest time there, so that they run under the data; and the largest n timed, where they end
// at the latest. All 0 where nothing was timed.
struct GuideAnchor {
    double n;
    double seconds;
    double nLast;
};
constexpr double guideOffset = 4;
GuideAnchor guideAnchor(const std::vector<Series>& series);

// The picture of every series but those of a sort that did not sort, titled: a line and a
// marker on each point per series (so that a series of one point shows it), the guides under
// them with their labels where no data runs, and beside them a legend: a row per sort, what
// the lines and markers say, and the series whose growth the rounds do not support.
std::string timingSvg(const std::vector<Series>& series, const std::string& title);
