// Drawing the timing picture as SVG text.
#include "svgplot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
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

// An n on the axis: 10³ for a power of ten, 2·10⁴ for the largest n where it is none.
std::string nLabel(double n) {
    const int power = static_cast<int>(std::floor(std::log10(n) + 1e-9));
    const long mantissa = std::lround(n / std::pow(10.0, power));
    return (mantissa == 1 ? "" : std::to_string(mantissa) + "·") + powerLabel(power);
}

// A time's decade in words where it has a name: 1 µs, 10 ms, 1 s.
std::string secondsLabel(int power) {
    static const std::map<int, const char*> names = {
        {-9, "1 ns"}, {-8, "10 ns"}, {-7, "100 ns"}, {-6, "1 µs"}, {-5, "10 µs"}, {-4, "100 µs"},
        {-3, "1 ms"}, {-2, "10 ms"}, {-1, "100 ms"}, {0, "1 s"},   {1, "10 s"},   {2, "100 s"}};
    const auto found = names.find(power);
    return found != names.end() ? found->second : powerLabel(power) + " s";
}

// Ten colours that differ on screen and in print, and from the guides' grey.
const char* const colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e",
                               "#8c564b", "#e377c2", "#17becf", "#bcbd22", "#393b79"};
constexpr std::size_t shapeCount = 10;

// Where a point stands in the picture.
struct Point {
    double x, y;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Point& other) const { return !(*this == other); }
};

// A box in the picture, for keeping labels clear of what is drawn.
struct Box {
    double left, top, right, bottom;
    bool holds(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// What the guides' labels must keep clear of: every line drawn, as points joined in order.
using Drawn = std::vector<std::vector<Point>>;

// How far the box stands from every line drawn, in pixels: 0 where one crosses it.
double clearance(const Box& box, const Drawn& drawn) {
    double nearest = 1e9;
    const auto distance = [&box](Point p) {
        const double dx = std::max({box.left - p.x, 0.0, p.x - box.right});
        const double dy = std::max({box.top - p.y, 0.0, p.y - box.bottom});
        return std::hypot(dx, dy);
    };
    for (const std::vector<Point>& line : drawn) {
        if (line.size() == 1) nearest = std::min(nearest, distance(line[0]));
        for (std::size_t i = 1; i < line.size(); ++i) {
            const Point a = line[i - 1], b = line[i];
            const int steps = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y)));
            for (int k = 0; k <= steps; ++k) {
                const double f = static_cast<double>(k) / steps;
                nearest =
                    std::min(nearest, distance({a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)}));
            }
        }
    }
    return nearest;
}

// The grid of decades, the frame, and the axes' labels.
std::string axesSvg(const LogAxis& x, const LogAxis& y) {
    std::string svg;
    std::vector<double> nTicks = decadeTicks(x);
    // The largest n timed ends the axis: labelled as it is, where it is no power of ten and
    // stands clear of the last one's label.
    if (nTicks.empty() || x.high > nTicks.back() * 1.0001) {
        if (!nTicks.empty() && x.pixel(x.high) - x.pixel(nTicks.back()) < 44) nTicks.pop_back();
        nTicks.push_back(x.high);
    }
    for (double tick : nTicks) {
        svg += element("line", {{"x1", number(x.pixel(tick))},
                                {"y1", number(top)},
                                {"x2", number(x.pixel(tick))},
                                {"y2", number(bottom)},
                                {"stroke", "#dddddd"}});
        svg += element(
            "text",
            {{"x", number(x.pixel(tick))}, {"y", number(bottom + 22)}, {"text-anchor", "middle"}},
            nLabel(tick));
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
// largest n. Each is labelled beside its own line, below or above it, as near its end as the
// label stands well clear of the data, the other guide and the other label (so that it reads
// as no sort's label): the first such place walking back along the guide's last half, or the
// clearest of them.
std::string guidesSvg(const GuideAnchor& anchor, const LogAxis& x, const LogAxis& y, Drawn drawn) {
    struct Guide {
        const char* label;
        std::vector<Point> points;
    };
    std::vector<Guide> guides;
    const auto trace = [&](const char* label, double (*growth)(double)) {
        Guide guide{label, {}};
        constexpr int samples = 60;
        for (int i = 0; i <= samples; ++i) {
            const double n =
                anchor.n * std::pow(anchor.nLast / anchor.n, static_cast<double>(i) / samples);
            const double t = anchor.seconds * growth(n) / growth(anchor.n);
            if (t > y.high || n > x.high * 1.0001) break;
            guide.points.push_back({x.pixel(n), y.pixel(t)});
        }
        if (!guide.points.empty()) guides.push_back(guide);
    };
    trace("n²", [](double n) { return n * n; });
    trace("n log n", [](double n) { return n * std::log(n); });
    std::transform(guides.begin(), guides.end(), std::back_inserter(drawn),
                   [](const Guide& guide) { return guide.points; });

    std::string svg;
    for (const Guide& guide : guides) {
        std::string text;
        for (const Point& p : guide.points) text += number(p.x) + "," + number(p.y) + " ";
        svg += element("polyline", {{"class", "guide"},
                                    {"points", text},
                                    {"fill", "none"},
                                    {"stroke", "#aaaaaa"},
                                    {"stroke-dasharray", "2 4"}});
    }
    for (const Guide& guide : guides) {
        // The label's box: about 7.5 pixels a character of the 13-pixel font, text-anchor end.
        const double labelWidth = 7.5 * static_cast<double>(std::string(guide.label).size());
        // The label's box beside a point of the guide: below it or above it (dy), ending left
        // of it or starting right of it.
        const auto boxAt = [&](Point at, double dy, bool leftOf) {
            const double from = leftOf ? at.x - 4 - labelWidth : at.x + 4;
            const double x = std::clamp(from, left + 2, right - 2 - labelWidth);
            const double baseline = std::clamp(at.y + dy, top + 14, bottom - 4);
            return Box{x, baseline - 12, x + labelWidth, baseline + 3};
        };
        // What the label must keep clear of: everything drawn but its own guide.
        Drawn others;
        std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(others),
                     [&guide](const std::vector<Point>& line) { return line != guide.points; });
        constexpr double wellClear = 12;
        Box chosen = boxAt(guide.points.back(), 16, true);
        double best = -2;
        const std::size_t half = guide.points.size() / 2;
        for (std::size_t i = guide.points.size(); i-- > half && best < wellClear;) {
            // Below the line first, where the data is not: it runs above the guides.
            for (const auto& [dy, leftOf] :
                 {std::pair{16.0, true}, {16.0, false}, {-6.0, true}, {-6.0, false}}) {
                const Box box = boxAt(guide.points[i], dy, leftOf);
                const double clear =
                    clearance(box, {guide.points}) > 0 ? clearance(box, others) : -1;
                if (clear > best) {
                    best = clear;
                    chosen = box;
                }
                if (best >= wellClear) break;
            }
        }
        svg += element("text",
                       {{"class", "guide-label"},
                        {"x", number(chosen.right)},
                        {"y", number(chosen.bottom - 3)},
                        {"text-anchor", "end"},  // its right edge where the box's is
                        {"fill", "#888888"}},
                       guide.label);
        // The next label keeps clear of this one.
        drawn.push_back({{chosen.left, chosen.top},
                         {chosen.right, chosen.top},
                         {chosen.right, chosen.bottom},
                         {chosen.left, chosen.bottom},
                         {chosen.left, chosen.top}});
    }
    return svg;
}

// The corners of a shape, on a unit scale around its centre (y down); the circle has none.
std::vector<Point> corners(MarkerShape shape) {
    const auto ring = [](int count, double turn, const std::vector<double>& radii) {
        std::vector<Point> points;
        for (int i = 0; i < count; ++i) {
            const double angle = turn + 2 * 3.14159265358979 * i / count;
            const double r = radii[static_cast<std::size_t>(i) % radii.size()];
            points.push_back({r * std::sin(angle), -r * std::cos(angle)});
        }
        return points;
    };
    const double bar = 0.38;  // half the width of the plus's and the cross's bars
    switch (shape) {
        case MarkerShape::square:
            return {{-0.85, -0.85}, {0.85, -0.85}, {0.85, 0.85}, {-0.85, 0.85}};
        case MarkerShape::triangle:
            return ring(3, 0, {1.15});
        case MarkerShape::diamond:
            return ring(4, 0, {1.15});
        case MarkerShape::triangleDown:
            return ring(3, 3.14159265358979, {1.15});
        case MarkerShape::pentagon:
            return ring(5, 0, {1.05});
        case MarkerShape::star:
            return ring(10, 0, {1.25, 0.55});
        case MarkerShape::plus:
        case MarkerShape::cross: {
            std::vector<Point> points = {{-bar, -1},  {bar, -1},  {bar, -bar}, {1, -bar},
                                         {1, bar},    {bar, bar}, {bar, 1},    {-bar, 1},
                                         {-bar, bar}, {-1, bar},  {-1, -bar},  {-bar, -bar}};
            if (shape == MarkerShape::cross) {
                std::transform(points.begin(), points.end(), points.begin(), [](Point p) {
                    return Point{(p.x - p.y) * 0.78, (p.x + p.y) * 0.78};  // turned an eighth
                });
            }
            return points;
        }
        case MarkerShape::hexagon:
            return ring(6, 0, {1.05});
        case MarkerShape::circle:
            break;
    }
    return {};
}

// A point's marker in its sort's style: filled on random input, hollow on sorted input, so that
// a sorted line lying on its random one still shows.
std::string markerSvg(Point at, bool sorted, const SortStyle& style) {
    constexpr double size = 4.2;
    const Attributes paint =
        sorted ? Attributes{{"fill", "white"}, {"stroke", style.colour}, {"stroke-width", "1.5"}}
               : Attributes{{"fill", style.colour}};
    if (style.shape == MarkerShape::circle) {
        return element("circle", joined({{"class", "marker"},
                                         {"cx", number(at.x)},
                                         {"cy", number(at.y)},
                                         {"r", number(size * 0.9)}},
                                        paint));
    }
    std::string points;
    for (const Point& p : corners(style.shape)) {
        points += number(at.x + size * p.x) + "," + number(at.y + size * p.y) + " ";
    }
    return element("polygon", joined({{"class", "marker"}, {"points", points}}, paint));
}

// A series' line: solid on random input, dashed on sorted input.
Attributes strokeOf(bool sorted, const SortStyle& style) {
    Attributes stroke = {{"stroke", style.colour}, {"stroke-width", "2"}};
    if (sorted) stroke.emplace_back("stroke-dasharray", "7 4");
    return stroke;
}

// The sorts in the order they first come, each drawn in the style of its place.
std::vector<std::string> sortsOf(const std::vector<const Series*>& series) {
    std::vector<std::string> sorts;
    for (const Series* s : series) {
        if (std::find(sorts.begin(), sorts.end(), s->sortName) == sorts.end()) {
            sorts.push_back(s->sortName);
        }
    }
    return sorts;
}

SortStyle styleOf(const std::vector<std::string>& sorts, const std::string& sort) {
    return sortStyle(
        static_cast<std::size_t>(std::find(sorts.begin(), sorts.end(), sort) - sorts.begin()));
}

// Each series' points in the picture.
std::vector<Point> pointsOf(const Series& s, const LogAxis& x, const LogAxis& y) {
    std::vector<Point> points(s.timings.size());
    std::transform(s.timings.begin(), s.timings.end(), points.begin(), [&](const Timing& t) {
        return Point{x.pixel(static_cast<double>(t.n)), y.pixel(t.seconds)};
    });
    return points;
}

// One line per series, a marker on each of its points, in its sort's style.
std::string seriesSvg(const std::vector<const Series*>& series, const LogAxis& x,
                      const LogAxis& y) {
    const std::vector<std::string> sorts = sortsOf(series);
    std::string svg;
    for (const Series* s : series) {
        const SortStyle style = styleOf(sorts, s->sortName);
        const bool sorted = s->input == "sorted";
        std::string points;
        std::string markers;
        for (const Point& at : pointsOf(*s, x, y)) {
            points += number(at.x) + "," + number(at.y) + " ";
            markers += markerSvg(at, sorted, style);
        }
        svg += element("polyline",
                       joined({{"class", "series"}, {"points", points}, {"fill", "none"}},
                              strokeOf(sorted, style)),
                       element("title", {}, escaped(s->sortName + ", " + s->input)));
        svg += markers;
    }
    return svg;
}

// The legend, beside the frame: a row per sort with its line and marker on random and on
// sorted input; what those say; that the dotted lines are guides; and the series whose growth
// the rounds do not support, where there are any.
std::string legendSvg(const std::vector<const Series*>& series) {
    const std::vector<std::string> sorts = sortsOf(series);
    std::string svg;
    double rowY = top + 10;
    const auto sample = [&](double from, bool sorted, const SortStyle& style) {
        svg += element("line", joined({{"x1", number(from)},
                                       {"y1", number(rowY - 4)},
                                       {"x2", number(from + 30)},
                                       {"y2", number(rowY - 4)}},
                                      strokeOf(sorted, style)));
        svg += markerSvg({from + 15, rowY - 4}, sorted, style);
    };
    for (const std::string& sort : sorts) {
        const SortStyle style = styleOf(sorts, sort);
        sample(right + 20, false, style);
        sample(right + 58, true, style);
        svg +=
            element("text", {{"class", "legend"}, {"x", number(right + 98)}, {"y", number(rowY)}},
                    escaped(sort));
        rowY += 20;
    }
    const auto note = [&](const std::string& text, const char* colour = "#555555") {
        rowY += 18;
        svg += element("text", {{"x", number(right + 20)}, {"y", number(rowY)}, {"fill", colour}},
                       text);
    };
    rowY += 4;
    note("left: random input (solid, filled)");
    note("right: sorted input (dashed, hollow)");
    rowY += 18;
    svg += element("line", {{"x1", number(right + 20)},
                            {"y1", number(rowY - 4)},
                            {"x2", number(right + 50)},
                            {"y2", number(rowY - 4)},
                            {"stroke", "#aaaaaa"},
                            {"stroke-dasharray", "2 4"}});
    svg += element("text", {{"x", number(right + 58)}, {"y", number(rowY)}, {"fill", "#555555"}},
                   "guides n² and n log n, not sorts");
    std::vector<std::string> unsure;
    for (const Series* s : series) {
        const std::optional<Growth> growth = judgedGrowth(s->timings);
        if (growth && !growth->supported) unsure.push_back(s->sortName + ", " + s->input);
    }
    if (!unsure.empty()) {
        rowY += 10;
        note("Growth unsure, rounds or sizes disagree:", "#b00000");
        for (const std::string& name : unsure) note("  " + escaped(name), "#b00000");
        note("The machine was likely busy: close", "#b00000");
        note("other programs and run again (or,", "#b00000");
        note("at small n, time larger ones).", "#b00000");
    }
    return svg;
}

}  // namespace

double LogAxis::pixel(double value) const {
    const double at = std::log10(value / low) / std::log10(high / low);
    return fromPixel + at * (toPixel - fromPixel);
}

LogAxis logAxis(double smallest, double largest, double fromPixel, double toPixel,
                bool endAtLargest) {
    const int low = static_cast<int>(std::floor(std::log10(smallest) + 1e-9));
    int high = static_cast<int>(std::ceil(std::log10(largest) - 1e-9));
    if (high <= low) high = low + 1;
    const double lowValue = std::pow(10.0, low);
    const double highValue = endAtLargest && largest > lowValue ? largest : std::pow(10.0, high);
    return {lowValue, highValue, fromPixel, toPixel};
}

std::vector<double> decadeTicks(const LogAxis& axis) {
    std::vector<double> ticks;
    for (int power = static_cast<int>(std::lround(std::log10(axis.low)));
         std::pow(10.0, power) <= axis.high * 1.0001; ++power) {
        ticks.push_back(std::pow(10.0, power));
    }
    return ticks;
}

SortStyle sortStyle(std::size_t index) {
    // Past ten sorts the shapes shift by one each round of colours: no two of a hundred alike.
    const std::size_t shape = (index + index / std::size(colours)) % shapeCount;
    return {colours[index % std::size(colours)], static_cast<MarkerShape>(shape)};
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

std::string timingSvg(const std::vector<Series>& all, const std::string& title) {
    std::vector<const Series*> series;
    std::vector<Series> shownSeries;
    for (const Series& s : all) {
        if (!s.fault) series.push_back(&s), shownSeries.push_back(s);
    }
    const GuideAnchor anchor = guideAnchor(shownSeries);
    double nLow = 1e300, nHigh = 0, tLow = 1e300, tHigh = 0;
    for (const Series* s : series) {
        for (const Timing& t : s->timings) {
            nHigh = std::max(nHigh, static_cast<double>(t.n));
            tHigh = std::max(tHigh, t.seconds);
            nLow = std::min(nLow, static_cast<double>(t.n));
            tLow = std::min(tLow, t.seconds);
        }
    }
    if (nHigh == 0) nLow = nHigh = 100, tLow = tHigh = 1e-3;      // nothing timed
    tLow = std::min(tLow, anchor.n > 0 ? anchor.seconds : tLow);  // the guides' start in view
    const LogAxis x = logAxis(nLow, nHigh, left, right, true);
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
    Drawn data;
    std::transform(series.begin(), series.end(), std::back_inserter(data),
                   [&](const Series* s) { return pointsOf(*s, x, y); });
    if (anchor.n > 0) svg += guidesSvg(anchor, x, y, data);
    svg += seriesSvg(series, x, y);
    svg += legendSvg(series);
    svg += "</svg>\n";
    return svg;
}
