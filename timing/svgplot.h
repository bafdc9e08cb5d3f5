// The timing picture as SVG: time per sort against n on log-log axes, one line per sort and
// input, with n² and n log n guides. Plain SVG, no script, the generic sans-serif font: it
// opens in any browser and on GitHub.
#pragma once

#include <string>
#include <vector>

#include "sorttiming.h"

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

// The picture of every series, titled.
std::string timingSvg(const std::vector<Series>& series, const std::string& title);
