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

// ` a="1" b="2"`: the attributes as they stand in a tag.
std::string attributeText(const Attributes& attributes) {
    std::string out;
    for (const auto& [attribute, value] : attributes) {
        out += ' ';
        out += attribute;
        out += "=\"";
        out += value;
        out += '"';
    }
    return out;
}

// <name a="1" b="2"/>, or <name a="1">content</name> where there is content (markup: the
// caller escapes text).
std::string element(const char* name, const Attributes& attributes,
                    const std::string& content = "") {
    const std::string open = std::string("<") + name + attributeText(attributes);
    if (content.empty()) return open + "/>\n";
    return open + ">" + content + "</" + name + ">\n";
}

Attributes joined(Attributes first, const Attributes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
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

// Where a point stands in the picture.
struct Point {
    double x, y;
};

// The grid of decades, the frame, and the axes' labels.
std::string axesSvg(const LogAxis& x, const LogAxis& y) {
    std::string svg;
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
    svg += element("rect", {{"class", "frame"},
                            {"x", number(left)},
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
    return svg;
}

// The n² and n log n guides, light, under the data: both start at the smallest n, a factor of
// guideOffset below the fastest time there, and run until they leave the frame or reach the
// largest n, their labels at their ends.
std::string guidesSvg(const GuideAnchor& anchor, const LogAxis& x, const LogAxis& y) {
    std::string svg;
    const double nHigh = std::pow(10.0, x.highPower);
    const double tHigh = std::pow(10.0, y.highPower);
    const auto guide = [&](const char* label, double (*growth)(double)) {
        std::vector<Point> points;
        constexpr int samples = 60;
        for (int i = 0; i <= samples; ++i) {
            const double n =
                anchor.n * std::pow(anchor.nLast / anchor.n, static_cast<double>(i) / samples);
            const double t = anchor.seconds * growth(n) / growth(anchor.n);
            if (t > tHigh || n > nHigh) break;
            points.push_back({x.pixel(n), y.pixel(t)});
        }
        if (points.empty()) return;
        std::string text;
        for (const Point& p : points) text += number(p.x) + "," + number(p.y) + " ";
        svg += element("polyline", {{"class", "guide"},
                                    {"points", text},
                                    {"fill", "none"},
                                    {"stroke", "#aaaaaa"},
                                    {"stroke-dasharray", "2 4"}});
        const Point end = points.back();
        svg += element("text",
                       {{"class", "guide-label"},
                        {"x", number(std::clamp(end.x - 4, left + 40, right - 4))},
                        {"y", number(std::clamp(end.y - 6, top + 14, bottom - 4))},
                        {"text-anchor", "end"},
                        {"fill", "#888888"}},
                       label);
    };
    guide("n²", [](double n) { return n * n; });
    guide("n log n", [](double n) { return n * std::log(n); });
    return svg;
}

// A point's marker: a dot on random input, a hollow square on sorted input, so that a sorted
// line lying on its random one still shows.
std::string markerSvg(Point at, bool sorted, const std::string& colour) {
    if (!sorted) {
        return element("circle", {{"class", "marker"},
                                  {"cx", number(at.x)},
                                  {"cy", number(at.y)},
                                  {"r", "3.5"},
                                  {"fill", colour}});
    }
    return element("rect", {{"class", "marker"},
                            {"x", number(at.x - 3.5)},
                            {"y", number(at.y - 3.5)},
                            {"width", "7"},
                            {"height", "7"},
                            {"fill", "white"},
                            {"stroke", colour},
                            {"stroke-width", "1.5"}});
}

// One line per series, a marker on each of its points: a colour per sort, dashed on sorted
// input; the legend beside the frame.
std::string seriesSvg(const std::vector<Series>& series, const LogAxis& x, const LogAxis& y) {
    std::vector<std::string> sorts;
    for (const Series& s : series) {
        if (std::find(sorts.begin(), sorts.end(), s.sortName) == sorts.end()) {
            sorts.push_back(s.sortName);
        }
    }
    std::string svg;
    double legendY = top + 10;
    for (const Series& s : series) {
        const auto index = static_cast<std::size_t>(
            std::find(sorts.begin(), sorts.end(), s.sortName) - sorts.begin());
        const std::string colour = colours[index % std::size(colours)];
        const bool sorted = s.input == "sorted";
        Attributes stroke = {{"stroke", colour}, {"stroke-width", "2"}};
        if (sorted) stroke.emplace_back("stroke-dasharray", "7 4");
        std::string points;
        std::string markers;
        for (const Timing& t : s.timings) {
            const Point at{x.pixel(static_cast<double>(t.n)), y.pixel(t.seconds)};
            points += number(at.x) + "," + number(at.y) + " ";
            markers += markerSvg(at, sorted, colour);
        }
        const std::string name = escaped(s.sortName + ", " + s.input);
        svg += element("polyline",
                       joined({{"class", "series"}, {"points", points}, {"fill", "none"}}, stroke),
                       element("title", {}, name));
        svg += markers;
        svg += element("line", joined({{"x1", number(right + 20)},
                                       {"y1", number(legendY - 4)},
                                       {"x2", number(right + 56)},
                                       {"y2", number(legendY - 4)}},
                                      stroke));
        svg += markerSvg({right + 38, legendY - 4}, sorted, colour);
        svg += element(
            "text", {{"class", "legend"}, {"x", number(right + 64)}, {"y", number(legendY)}}, name);
        legendY += 20;
    }
    for (const char* note : {"solid, dots: random input", "dashed, squares: sorted input"}) {
        legendY += 18;
        svg += element(
            "text", {{"x", number(right + 20)}, {"y", number(legendY)}, {"fill", "#555555"}}, note);
    }
    return svg;
}

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

GuideAnchor guideAnchor(const std::vector<Series>& series) {
    GuideAnchor anchor{0, 0, 0};
    for (const Series& s : series) {
        for (const Timing& t : s.timings) {
            const auto n = static_cast<double>(t.n);
            if (anchor.n == 0 || n < anchor.n || (n == anchor.n && t.seconds < anchor.seconds)) {
                anchor.n = n;
                anchor.seconds = t.seconds;
            }
            anchor.nLast = std::max(anchor.nLast, n);
        }
    }
    anchor.seconds /= guideOffset;
    return anchor;
}

std::string timingSvg(const std::vector<Series>& series, const std::string& title) {
    const GuideAnchor anchor = guideAnchor(series);
    double nLow = 1e300, nHigh = 0, tLow = 1e300, tHigh = 0;
    for (const Series& s : series) {
        for (const Timing& t : s.timings) {
            nHigh = std::max(nHigh, static_cast<double>(t.n));
            tHigh = std::max(tHigh, t.seconds);
            nLow = std::min(nLow, static_cast<double>(t.n));
            tLow = std::min(tLow, t.seconds);
        }
    }
    if (nHigh == 0) nLow = nHigh = 100, tLow = tHigh = 1e-3;      // nothing timed
    tLow = std::min(tLow, anchor.n > 0 ? anchor.seconds : tLow);  // the guides' start in view
    const LogAxis x = logAxis(nLow, nHigh, left, right);
    const LogAxis y = logAxis(tLow, tHigh, bottom, top);

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg" +
           attributeText({{"xmlns", "http://www.w3.org/2000/svg"},
                          {"width", number(width)},
                          {"height", number(height)},
                          {"viewBox", "0 0 " + number(width) + " " + number(height)},
                          {"font-family", "sans-serif"},
                          {"font-size", "13"}}) +
           ">\n";
    svg += element("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
    svg += element(
        "text",
        {{"x", number(width / 2)}, {"y", "28"}, {"text-anchor", "middle"}, {"font-size", "15"}},
        escaped(title));
    svg += axesSvg(x, y);
    if (anchor.n > 0) svg += guidesSvg(anchor, x, y);
    svg += seriesSvg(series, x, y);
    svg += "</svg>\n";
    return svg;
}
