// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/drawing.h"

#include "shell/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gear {

void Box::include(Point p)
{
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
}

void Box::include(const Box& other)
{
    if (other.left > other.right)
        return;
    include(Point{other.left, other.top});
    include(Point{other.right, other.bottom});
}

Box Box::empty()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    return {inf, inf, -inf, -inf};
}

std::string_view layerName(Layer layer)
{
    switch (layer) {
    case Layer::Outline: return "OUTLINE";
    case Layer::Thin: return "THIN";
    case Layer::Hidden: return "HIDDEN";
    case Layer::Centre: return "CENTRE";
    case Layer::Hatch: return "HATCH";
    case Layer::Dimension: return "DIMENSIONS";
    case Layer::Frame: return "FRAME";
    case Layer::FrameThin: return "FRAME_THIN";
    }
    return "0";
}

Box Text::box() const
{
    const double along = width / 2;
    const double across = height / 2;
    if (vertical)
        return {centre.x - across, centre.y - along, centre.x + across, centre.y + along};
    return {centre.x - along, centre.y - across, centre.x + along, centre.y + across};
}

const Annotation* Drawing::find(std::string_view symbol) const
{
    for (const Annotation& a : annotations) {
        if (a.symbol == symbol)
            return &a;
    }
    return nullptr;
}

Box Drawing::outlineExtents() const
{
    Box box = Box::empty();
    for (const Polyline& line : lines) {
        if (line.layer == Layer::Outline) {
            for (Point p : line.points)
                box.include(p);
        }
    }
    for (const Circle& c : circles) {
        if (c.layer == Layer::Outline)
            box.include(
                Box{c.centre.x - c.radius, c.centre.y - c.radius, c.centre.x + c.radius, c.centre.y + c.radius});
    }
    return box;
}

Box Drawing::extents() const
{
    Box box = Box::empty();
    for (const Polyline& line : lines) {
        if (line.layer != Layer::Frame && line.layer != Layer::FrameThin) {
            for (Point p : line.points)
                box.include(p);
        }
    }
    for (const Circle& c : circles)
        box.include(Box{c.centre.x - c.radius, c.centre.y - c.radius, c.centre.x + c.radius, c.centre.y + c.radius});
    for (const Annotation& a : annotations) {
        for (const Segment& s : a.lines) {
            box.include(s.a);
            box.include(s.b);
        }
        for (const auto& arrow : a.arrows) {
            for (Point p : arrow)
                box.include(p);
        }
        box.include(a.text.box());
    }
    for (const Text& t : texts) {
        if (t.layer != Layer::Frame)
            box.include(t.box());
    }
    return box;
}

std::string dimensionValue(double mm, std::string_view separator)
{
    // Rounded from the decimal text the screens show, so that 1.005 becomes
    // 1.01 as a student rounding the caption would, not 1 as its binary
    // value would.
    std::string text = numberToText(Number(mm), ".");
    if (text.empty())
        return text;
    if (text.find_first_of("eE") != std::string::npos) {
        // Beyond 15 digits or below 1e-5: far from any size a drawing has.
        text = numberToText(Number(std::round(mm * 100.0) / 100.0), ".");
    }
    bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const size_t point = text.find('.');
    std::string whole = point == std::string::npos ? text : text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (fraction.size() > 2) {
        const bool up = fraction[2] >= '5';
        fraction.resize(2);
        if (up) {
            // Carry through the kept digits and into the whole part.
            std::string digits = whole + fraction;
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
                --i;
            }
            if (i < 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[static_cast<size_t>(i)];
            whole = digits.substr(0, digits.size() - 2);
            fraction = digits.substr(digits.size() - 2);
        }
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (whole.empty())
        whole = "0";
    std::string result = whole;
    if (!fraction.empty())
        result += std::string(separator) + fraction;
    if (negative && result != "0")
        result.insert(result.begin(), '-');
    return result;
}

namespace {

// Advance of a character of DejaVu Sans, in ems.
double advance(char32_t c)
{
    if (c >= '0' && c <= '9')
        return 0.636;
    switch (c) {
    case ' ':
    case U'\u00A0':
    case '.':
    case ',': return 0.318;
    case ':': return 0.337;
    case '=':
    case U'×':
    case U'⌀': return 0.838;
    case U'°': return 0.5;
    case '(':
    case ')': return 0.39;
    case '-': return 0.361;
    case U'−': return 0.838;
    case '/': return 0.337;
    case 'f': return 0.352;
    case 'i':
    case 'j':
    case 'l': return 0.278;
    case 'm': return 0.974;
    case 'r': return 0.411;
    case 't': return 0.392;
    case 'w': return 0.818;
    case 's': return 0.521;
    case 'c': return 0.55;
    case 'z': return 0.525;
    case 'I': return 0.295;
    case 'M': return 0.863;
    case 'W': return 0.989;
    case U'т': return 0.522;
    case U'г': return 0.491;
    case U'с': return 0.55;
    case U'з': return 0.525;
    case U'ж':
    case U'ю': return 0.87;
    case U'м': return 0.753;
    case U'ш':
    case U'щ':
    case U'ф': return 0.93;
    case U'ы': return 0.812;
    case U'δ': return 0.612;
    case U'β': return 0.64;
    default: break;
    }
    if (c >= 'a' && c <= 'z')
        return 0.62;
    if (c >= 'A' && c <= 'Z')
        return 0.7;
    if (c >= U'а' && c <= U'я')
        return 0.62;
    if (c >= U'А' && c <= U'Я')
        return 0.74;
    return 0.68;
}

} // namespace

double textWidth(std::string_view utf8, double height)
{
    double ems = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        char32_t c = byte;
        size_t length = 1;
        if (byte >= 0xF0)
            length = 4, c = byte & 0x07;
        else if (byte >= 0xE0)
            length = 3, c = byte & 0x0F;
        else if (byte >= 0xC0)
            length = 2, c = byte & 0x1F;
        for (size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        ems += advance(c);
    }
    return ems * height;
}

std::vector<Segment> hatchLines(const std::vector<std::vector<Point>>& contours, double spacing, bool rising)
{
    std::vector<Segment> lines;
    if (!(spacing > 0))
        return lines;
    // Lines x + y = c (rising to the right, y downwards) or x − y = c.
    const double sign = rising ? 1.0 : -1.0;
    auto level = [sign](Point p) { return p.x + sign * p.y; };
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const auto& contour : contours) {
        for (Point p : contour) {
            lo = std::min(lo, level(p));
            hi = std::max(hi, level(p));
        }
    }
    if (!(hi > lo) || !std::isfinite(hi - lo))
        return lines;
    // However the spacing was asked, a section gets no more lines than a
    // sheet has room for: the work stays bounded for any size of part.
    constexpr double kMostLines = 10000;
    const double step = std::max(spacing * std::sqrt(2.0), (hi - lo) / kMostLines);
    std::vector<double> xs;
    for (double c = std::floor(lo / step) * step + step / 2; c < hi; c += step) {
        xs.clear();
        for (const auto& contour : contours) {
            for (size_t i = 0; i < contour.size(); ++i) {
                const Point p = contour[i];
                const Point q = contour[(i + 1) % contour.size()];
                const double fp = level(p) - c;
                const double fq = level(q) - c;
                if ((fp < 0) == (fq < 0))
                    continue;
                const double t = fp / (fp - fq);
                xs.push_back(p.x + t * (q.x - p.x));
            }
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            if (xs[i + 1] - xs[i] < 1e-9)
                continue;
            lines.push_back({{xs[i], (c - xs[i]) * sign}, {xs[i + 1], (c - xs[i + 1]) * sign}});
        }
    }
    return lines;
}

namespace {

double cross(Point o, Point a, Point b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

} // namespace

bool segmentsCross(const Segment& a, const Segment& b, double margin)
{
    // Segments whose boxes are apart never meet; most pairs end here.
    if (std::max(a.a.x, a.b.x) < std::min(b.a.x, b.b.x) || std::max(b.a.x, b.b.x) < std::min(a.a.x, a.b.x) ||
        std::max(a.a.y, a.b.y) < std::min(b.a.y, b.b.y) || std::max(b.a.y, b.b.y) < std::min(a.a.y, a.b.y))
        return false;
    const double squaredA = (a.b.x - a.a.x) * (a.b.x - a.a.x) + (a.b.y - a.a.y) * (a.b.y - a.a.y);
    const double squaredB = (b.b.x - b.a.x) * (b.b.x - b.a.x) + (b.b.y - b.a.y) * (b.b.y - b.a.y);
    if (squaredA < 1e-24 || squaredB < 1e-24)
        return false;
    const double d1 = cross(b.a, b.b, a.a);
    const double d2 = cross(b.a, b.b, a.b);
    const double d3 = cross(a.a, a.b, b.a);
    const double d4 = cross(a.a, a.b, b.b);
    const double eps = 1e-9 * std::max(squaredA, squaredB);
    if (std::abs(d1) <= eps && std::abs(d2) <= eps) {
        // Collinear: an overlap longer than the margin at either end counts.
        const double lengthA = std::sqrt(squaredA);
        const Point u{(a.b.x - a.a.x) / lengthA, (a.b.y - a.a.y) / lengthA};
        auto along = [&](Point p) { return (p.x - a.a.x) * u.x + (p.y - a.a.y) * u.y; };
        const double lo = std::max(0.0, std::min(along(b.a), along(b.b)));
        const double hi = std::min(lengthA, std::max(along(b.a), along(b.b)));
        return std::min(hi, lengthA - margin) - std::max(lo, margin) > 0;
    }
    if ((d1 > eps && d2 > eps) || (d1 < -eps && d2 < -eps) || (d3 > eps && d4 > eps) || (d3 < -eps && d4 < -eps))
        return false;
    const double t = d1 / (d1 - d2);
    // Where it meets, measured along a from either end.
    const double lengthA = std::sqrt(squaredA);
    const double fromStart = t * lengthA;
    return fromStart > margin && lengthA - fromStart > margin;
}

bool segmentCrossesBox(const Segment& s, const Box& box)
{
    // Liang–Barsky against the open box.
    double t0 = 0;
    double t1 = 1;
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const std::array<std::pair<double, double>, 4> sides{
        {{-dx, s.a.x - box.left}, {dx, box.right - s.a.x}, {-dy, s.a.y - box.top}, {dy, box.bottom - s.a.y}}};
    for (const auto& [p, q] : sides) {
        if (std::abs(p) < 1e-15) {
            if (q <= 0)
                return false;
            continue;
        }
        const double r = q / p;
        if (p < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 >= t1)
            return false;
    }
    return t1 - t0 > 1e-12;
}

bool pointInContours(Point p, const std::vector<std::vector<Point>>& contours)
{
    bool inside = false;
    for (const auto& contour : contours) {
        if (contour.empty())
            continue;
        for (size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++) {
            const Point a = contour[i];
            const Point b = contour[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
    }
    return inside;
}

} // namespace gear
