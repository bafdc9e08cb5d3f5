// Drawing the timing picture as SVG text.
#include "svgplot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr double width = 940, height = 540;
constexpr double left = 80, right = 600, top = 60, bottom = 480;  // the plot's frame

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

using Attributes = std::vector<std::pair<const char*, std::string>>;

// <name a="1" b="2"/>, or <name a="1">content</name> where there is content (markup: the
// caller escapes text).
std::string element(const char* name, const Attributes& attributes,
                    const std::string& content = "") {
    std::string out = "<";
    out += name;
    for (const auto& [attribute, value] : attributes) {
        out += ' ';
        out += attribute;
        out += "=\"";
        out += value;
        out += '"';
    }
    if (content.empty()) return out + "/>\n";
    out += '>';
    out += content;
    out += "</";
    out += name;
    out += ">\n";
    return out;
}

// 10 with the power raised: 10³.
std::string powerLabel(int power) {
    return "10" + element("tspan", {{"dy", "-7"}, {"font-size", "10"}}, std::to_string(power));
}

// A time's decade in words where it has a name: 1 µs, 10 ms, 1 s.
std::string secondsLabel(int power) {
    static const std::map<int, const char*> names = {
        {-9, "1 ns"}, {-8, "10 ns"}, {-7, "100 ns"}, {-6, "1 µs"}, {-5, "10 µs"}, {-4, "100 µs"},
        {-3, "1 ms"}, {-2, "10 ms"}, {-1, "100 ms"}, {0, "1 s"},   {1, "10 s"},   {2, "100 s"}};
    const auto found = names.find(power);
    return found != names.end() ? found->second : powerLabel(power) + " s";
}

const char* const colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b"};

}  // namespace

double LogAxis::pixel(double value) const {
    const double at = (std::log10(value) - lowPower) / (highPower - lowPower);
    return fromPixel + at * (toPixel - fromPixel);
}

LogAxis logAxis(double smallest, double largest, double fromPixel, double toPixel) {
    const int low = static_cast<int>(std::floor(std::log10(smallest) + 1e-9));
    int high = static_cast<int>(std::ceil(std::log10(largest) - 1e-9));
    if (high <= low) high = low + 1;
    return {low, high, fromPixel, toPixel};
}

std::vector<double> decadeTicks(const LogAxis& axis) {
    std::vector<double> ticks;
    for (int power = axis.lowPower; power <= axis.highPower; ++power) {
        ticks.push_back(std::pow(10.0, power));
    }
    return ticks;
}

std::string timingSvg(const std::vector<Series>& series, const std::string& title) {
    double nLow = 1e300, nHigh = 0, tLow = 1e300, tHigh = 0;
    for (const Series& s : series) {
        for (const Timing& t : s.timings) {
            nLow = std::min(nLow, static_cast<double>(t.n));
            nHigh = std::max(nHigh, static_cast<double>(t.n));
            tLow = std::min(tLow, t.seconds);
            tHigh = std::max(tHigh, t.seconds);
        }
    }
    if (nHigh == 0) nLow = nHigh = 100, tLow = tHigh = 1e-3;  // nothing timed
    const LogAxis x = logAxis(nLow, nHigh, left, right);
    const LogAxis y = logAxis(tLow, tHigh, bottom, top);

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg";
    for (const auto& [attribute, value] :
         Attributes{{"xmlns", "http://www.w3.org/2000/svg"},
                    {"width", number(width)},
                    {"height", number(height)},
                    {"viewBox", "0 0 " + number(width) + " " + number(height)},
                    {"font-family", "sans-serif"},
                    {"font-size", "13"}}) {
        svg += ' ';
        svg += attribute;
        svg += "=\"" + value + '"';
    }
    svg += ">\n";
    svg += element("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
    svg += element(
        "text",
        {{"x", number(width / 2)}, {"y", "28"}, {"text-anchor", "middle"}, {"font-size", "15"}},
        escaped(title));

    // Decades: grid lines, the frame and the labels.
    for (double tick : decadeTicks(x)) {
        svg += element("line", {{"x1", number(x.pixel(tick))},
                                {"y1", number(top)},
                                {"x2", number(x.pixel(tick))},
                                {"y2", number(bottom)},
                                {"stroke", "#dddddd"}});
        svg += element(
            "text",
            {{"x", number(x.pixel(tick))}, {"y", number(bottom + 22)}, {"text-anchor", "middle"}},
            powerLabel(static_cast<int>(std::lround(std::log10(tick)))));
    }
    for (double tick : decadeTicks(y)) {
        svg += element("line", {{"x1", number(left)},
                                {"y1", number(y.pixel(tick))},
                                {"x2", number(right)},
                                {"y2", number(y.pixel(tick))},
                                {"stroke", "#dddddd"}});
        svg += element(
            "text",
            {{"x", number(left - 8)}, {"y", number(y.pixel(tick) + 4)}, {"text-anchor", "end"}},
            secondsLabel(static_cast<int>(std::lround(std::log10(tick)))));
    }
    svg += element("rect", {{"x", number(left)},
                            {"y", number(top)},
                            {"width", number(right - left)},
                            {"height", number(bottom - top)},
                            {"fill", "none"},
                            {"stroke", "black"}});
    svg += element(
        "text",
        {{"x", number((left + right) / 2)}, {"y", number(bottom + 48)}, {"text-anchor", "middle"}},
        "n, values sorted (log scale)");
    svg += element("text",
                   {{"transform", "translate(18 " + number((top + bottom) / 2) + ") rotate(-90)"},
                    {"text-anchor", "middle"}},
                   "time per sort (log scale)");

    // Guides through the middle of the frame: n² and n log n.
    const double nMid = std::sqrt(nLow * nHigh);
    const double tMid = std::sqrt(tLow * tHigh);
    const auto guide = [&](const char* label, double (*growth)(double)) {
        std::string points;
        for (double tick : decadeTicks(x)) {
            const double t = tMid * growth(tick) / growth(nMid);
            if (t < std::pow(10.0, y.lowPower) || t > std::pow(10.0, y.highPower)) continue;
            points += number(x.pixel(tick)) + "," + number(y.pixel(t)) + " ";
        }
        svg += element("polyline", {{"class", "guide"},
                                    {"points", points},
                                    {"fill", "none"},
                                    {"stroke", "#888888"},
                                    {"stroke-dasharray", "3 3"}});
        const double end = y.pixel(tMid * growth(nHigh) / growth(nMid));
        svg += element("text",
                       {{"x", number(right + 8)},
                        {"y", number(std::clamp(end, top, bottom))},
                        {"fill", "#777777"}},
                       label);
    };
    guide("n²", [](double n) { return n * n; });
    guide("n log n", [](double n) { return n * std::log(n); });

    // One line per series: a colour per sort, dashed on sorted input; the legend beside.
    std::vector<std::string> sorts;
    for (const Series& s : series) {
        if (std::find(sorts.begin(), sorts.end(), s.sort) == sorts.end()) sorts.push_back(s.sort);
    }
    double legendY = top + 10;
    for (const Series& s : series) {
        const auto index =
            static_cast<std::size_t>(std::find(sorts.begin(), sorts.end(), s.sort) - sorts.begin());
        Attributes stroke = {{"stroke", colours[index % std::size(colours)]},
                             {"stroke-width", "2"}};
        if (s.input == "sorted") stroke.emplace_back("stroke-dasharray", "7 4");
        std::string points;
        for (const Timing& t : s.timings) {
            points += number(static_cast<double>(x.pixel(static_cast<double>(t.n))));
            points += ',';
            points += number(y.pixel(t.seconds));
            points += ' ';
        }
        const std::string name = escaped(s.sort + ", " + s.input);
        Attributes line = {{"class", "series"}, {"points", points}, {"fill", "none"}};
        line.insert(line.end(), stroke.begin(), stroke.end());
        svg += element("polyline", line, element("title", {}, name));
        Attributes sample = {{"x1", number(right + 90)},
                             {"y1", number(legendY - 4)},
                             {"x2", number(right + 120)},
                             {"y2", number(legendY - 4)}};
        sample.insert(sample.end(), stroke.begin(), stroke.end());
        svg += element("line", sample);
        svg += element("text",
                       {{"class", "legend"}, {"x", number(right + 126)}, {"y", number(legendY)}},
                       name);
        legendY += 20;
    }
    svg += "</svg>\n";
    return svg;
}
