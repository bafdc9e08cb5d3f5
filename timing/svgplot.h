// The timing picture as SVG: time per sort against n on log-log axes, one line per sort and
// input, with n² and n log n guides. Plain SVG, no script, the generic sans-serif font: it
// opens in any browser and on GitHub.
#pragma once

#include <string>
#include <vector>

#include "timingplan.h"

// A logarithmic axis from one power of ten to another, mapped onto pixels.
struct LogAxis {
    int lowPower;   // the axis starts at 10^lowPower
    int highPower;  // and ends at 10^highPower
    double fromPixel;
    double toPixel;

    double pixel(double value) const;
};

// The axis over [smallest, largest], widened to whole decades.
LogAxis logAxis(double smallest, double largest, double fromPixel, double toPixel);

// The powers of ten on the axis, ends included: where its ticks and labels go.
std::vector<double> decadeTicks(const LogAxis& axis);

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

// The picture of every series, titled: a line and a marker on each point per series (so that a
// series of one point shows it), the guides under them, a legend beside.
std::string timingSvg(const std::vector<Series>& series, const std::string& title);
