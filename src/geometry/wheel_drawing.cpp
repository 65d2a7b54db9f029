// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_drawing.h"

#include "gear_version.h"
#include "geometry/module_choice.h"
#include "geometry/wheel_body.h"
#include "shell/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>

namespace gear {

WheelDesign wheelDesignOf(double da)
{
    const ScreenId screen = wheelSketchScreen(da);
    return screen == ScreenId::vivod1   ? WheelDesign::Solid
           : screen == ScreenId::vivod2 ? WheelDesign::Disc
                                        : WheelDesign::Spoked;
}

WheelDesign transmissionDesignOf(double da)
{
    const int picture = drawingPicture(da);
    return picture == 1 ? WheelDesign::Solid : picture == 2 ? WheelDesign::Disc : WheelDesign::Spoked;
}

namespace {

// Sizes on the sheet, mm: arrowheads as ГОСТ 2.307 draws them, the gap
// between a text and its line, the break between a part and its extension
// line, how far extension and centre lines run past what they mark.
constexpr double kArrowLength = 3.0;
constexpr double kArrowWidth = 1.0;
constexpr double kTextGap = 1.0;
constexpr double kExtensionGap = 0.8;
constexpr double kOvershoot = 2.0;
constexpr double kCentreOvershoot = 4.0;
constexpr double kViewGap = 12.0;
// The sizes of a part that are drawn at all, in model millimetres: from a
// micrometre to a kilometre. Outside them the numbers are no gear's, and
// a layout of them would only lose its digits or its time.
constexpr double kSmallestDrawn = 1e-3;
constexpr double kLargestDrawn = 1e6;

Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double k)
{
    return {a.x * k, a.y * k};
}
double length(Point a)
{
    return std::hypot(a.x, a.y);
}
Point unit(Point a)
{
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : Point{1, 0};
}

// One solid of revolution of a wheel, in its axial half section: from
// radius r0 to r1 its axial half width runs straight from w0 to w1.
struct Part {
    double r0;
    double r1;
    double w0;
    double w1;
    bool hatched = true;

    double at(double r) const { return r1 > r0 ? w0 + (w1 - w0) * (r - r0) / (r1 - r0) : w0; }
};

// The contours of the union of the parts, in (axial x, radius) pairs: one
// closed contour for each run of radii that some part covers.
std::vector<std::vector<Point>> profile(const std::vector<Part>& parts)
{
    std::vector<double> cuts;
    for (const Part& p : parts) {
        cuts.push_back(p.r0);
        cuts.push_back(p.r1);
    }
    // Where two sloping parts cross, the wider one changes.
    for (size_t i = 0; i < parts.size(); ++i) {
        for (size_t j = i + 1; j < parts.size(); ++j) {
            const double lo = std::max(parts[i].r0, parts[j].r0);
            const double hi = std::min(parts[i].r1, parts[j].r1);
            if (!(hi > lo))
                continue;
            const double dLo = parts[i].at(lo) - parts[j].at(lo);
            const double dHi = parts[i].at(hi) - parts[j].at(hi);
            if ((dLo < 0) != (dHi < 0) && std::abs(dLo - dHi) > 1e-12)
                cuts.push_back(lo + (hi - lo) * dLo / (dLo - dHi));
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end(), [](double a, double b) { return b - a < 1e-9; }), cuts.end());

    std::vector<std::vector<Point>> contours;
    std::vector<Point> right;
    auto close = [&] {
        if (right.empty())
            return;
        std::vector<Point> contour = right;
        for (auto it = right.rbegin(); it != right.rend(); ++it)
            contour.push_back({-it->x, it->y});
        // Drop repeated points and points inside a straight run.
        std::vector<Point> clean;
        for (Point p : contour) {
            if (clean.empty() || length(p - clean.back()) > 1e-9)
                clean.push_back(p);
        }
        if (clean.size() > 1 && length(clean.front() - clean.back()) < 1e-9)
            clean.pop_back();
        std::vector<Point> tidy;
        for (size_t i = 0; i < clean.size(); ++i) {
            const Point a = clean[(i + clean.size() - 1) % clean.size()];
            const Point b = clean[i];
            const Point c = clean[(i + 1) % clean.size()];
            const double turn = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
            if (std::abs(turn) > 1e-12 * (1 + length(b - a) * length(c - b)))
                tidy.push_back(b);
        }
        if (tidy.size() >= 3)
            contours.push_back(std::move(tidy));
        right.clear();
    };
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double a = cuts[i];
        const double b = cuts[i + 1];
        const double mid = (a + b) / 2;
        const Part* widest = nullptr;
        for (const Part& p : parts) {
            if (p.r0 <= mid && mid <= p.r1 && (!widest || p.at(mid) > widest->at(mid)))
                widest = &p;
        }
        if (!widest || widest->at(mid) <= 0) {
            close();
            continue;
        }
        right.push_back({widest->at(a), a});
        right.push_back({widest->at(b), b});
    }
    close();
    return contours;
}

// Rounds the corner at `index` with a quarter circle of radius r, or cuts it
// at 45° when `chamfer`; only square corners are rounded. The radius is cut
// down to what the corner's edges leave room for, so the middle of the
// rounding made is given, for a note to point at.
std::optional<Point> roundCorner(std::vector<Point>& contour, size_t index, double r, bool chamfer)
{
    const size_t n = contour.size();
    const Point p = contour[index];
    const Point before = contour[(index + n - 1) % n];
    const Point after = contour[(index + 1) % n];
    const double in = length(p - before);
    const double out = length(after - p);
    r = std::min({r, 0.45 * in, 0.45 * out});
    if (!(r > 0))
        return std::nullopt;
    const Point u = unit(p - before);
    const Point v = unit(after - p);
    if (std::abs(u.x * v.x + u.y * v.y) > 1e-6)
        return std::nullopt;
    std::vector<Point> replacement;
    if (chamfer) {
        replacement = {p - u * r, p + v * r};
    } else {
        const Point centre = p - u * r + v * r;
        for (int k = 0; k <= 6; ++k) {
            const double t = k * std::numbers::pi / 12.0;
            replacement.push_back(centre - v * (r * std::cos(t)) + u * (r * std::sin(t)));
        }
    }
    const Point middle = chamfer ? (replacement[0] + replacement[1]) * 0.5 : replacement[3];
    contour.erase(contour.begin() + static_cast<std::ptrdiff_t>(index));
    contour.insert(contour.begin() + static_cast<std::ptrdiff_t>(index), replacement.begin(), replacement.end());
    return middle;
}

// True when the corner at `index` turns into the part: a fillet there adds
// material instead of taking it away.
bool isConcave(const std::vector<Point>& contour, size_t index)
{
    const size_t n = contour.size();
    const Point p = contour[index];
    const Point u = unit(p - contour[(index + n - 1) % n]);
    const Point v = unit(contour[(index + 1) % n] - p);
    if (std::abs(u.x * v.x + u.y * v.y) > 1e-6)
        return false;
    const double probe = 1e-4 * (1 + std::abs(p.x) + std::abs(p.y));
    return !pointInContours(p - u * probe + v * probe, {contour});
}

// A wheel's sizes as they are drawn, mm.
struct Gear {
    double ra = 0;
    double rPitch = 0;
    double rRoot = 0;
    double rRimIn = 0;
    double rHub = 0;
    double rBore = 0;
    double bw = 0;
    double Lst = 0;
    double web = 0;      // axial width of the disc or of the spoke at the hub
    double webAtRim = 0; // of the spoke at the rim
    bool spoked = false; // spokes cut lengthwise are not hatched
    double holeIn = 0;   // radii of a hole of the disc, when it has them
    double holeOut = 0;
    double chamfer = 0;
    double fillet = 0;

    std::vector<Part> parts() const
    {
        std::vector<Part> all;
        auto add = [&](double r0, double r1, double w0, double w1, bool hatched) {
            r0 = std::max(r0, rBore);
            if (r1 - r0 > 1e-9 && std::max(w0, w1) > 0)
                all.push_back({r0, r1, w0, w1, hatched});
        };
        add(rRoot, ra, bw / 2, bw / 2, false);
        add(rRimIn, rRoot, bw / 2, bw / 2, true);
        add(rBore, rHub, Lst / 2, Lst / 2, true);
        if (rRimIn > rHub) {
            if (holeOut > holeIn && holeIn > rHub && holeOut < rRimIn) {
                add(rHub, holeIn, web / 2, web / 2, true);
                add(holeOut, rRimIn, web / 2, web / 2, true);
            } else {
                add(rHub, rRimIn, web / 2, (spoked ? webAtRim : web) / 2, !spoked);
            }
        }
        return all;
    }
    double halfLength() const { return std::max({bw, Lst, web, webAtRim}) / 2; }
};

double positiveOr(double value, double fallback)
{
    return std::isfinite(value) && value > 0 ? value : fallback;
}

// The wheel mode's wheel as its numbers say. Only what cannot be drawn is
// held back: a bore as wide as the teeth, a width of nothing; the texts keep
// the numbers.
Gear wheelGear(const Quantities& v, WheelDesign design)
{
    Gear g;
    g.ra = positiveOr(v.da, 100) / 2;
    g.rRoot = std::clamp(positiveOr(v.df, v.da * 0.9) / 2, g.ra * 0.05, g.ra);
    g.rPitch = std::clamp(positiveOr(v.d, (v.da + v.df) / 2) / 2, g.rRoot, g.ra);
    g.rRimIn = std::clamp(positiveOr(v.Dk, v.df - 2 * v.Delta0) / 2, 0.0, g.rRoot);
    g.rHub = std::max(0.0, static_cast<double>(v.dstStd)) / 2;
    g.rBore = std::min(std::max(0.0, static_cast<double>(v.dvStd)) / 2, g.rRoot * 0.8);
    g.bw = positiveOr(v.bw1, positiveOr(v.bw, g.ra * 0.02));
    g.Lst = std::max(0.0, static_cast<double>(v.LstStd));
    g.web = positiveOr(v.C, g.bw * 0.3);
    g.webAtRim = design == WheelDesign::Spoked ? std::min(positiveOr(v.L, g.web * 0.8), g.web) : g.web;
    g.spoked = design == WheelDesign::Spoked;
    if (design == WheelDesign::Disc && v.d0 > 0 && v.D0 > 0) {
        g.holeIn = v.D0 / 2 - v.d0 / 2;
        g.holeOut = v.D0 / 2 + v.d0 / 2;
    }
    g.chamfer = 0.5 * v.m;
    g.fillet = design == WheelDesign::Solid ? 0 : static_cast<double>(v.R);
    return g;
}

// A gear of the pair: its teeth as designed, its body in the usual
// proportions of the design, since a pair is designed without its shafts.
Gear pairGear(double da, double d, double df, double bw, double m, WheelDesign design)
{
    Gear g;
    g.ra = da / 2;
    g.rPitch = d / 2;
    g.rRoot = df / 2;
    const RimCoefficients k = rimCoefficients(m);
    g.rBore = 0.1 * df;
    g.rHub = kHubDiameterPerShaft * g.rBore;
    g.Lst = std::max(2 * kHubLengthPerShaft * g.rBore, 0.0);
    g.bw = bw;
    g.rRimIn = g.rRoot - k.kDelta * m;
    // A gear with little room between the rim and the hub is made solid.
    if (g.rRimIn - g.rHub < 2 * k.kDelta * m)
        g.rRimIn = g.rHub;
    g.web = std::min(k.kC * m, bw);
    if (g.rRimIn <= g.rHub)
        g.Lst = std::max(g.Lst, bw);
    g.spoked = design == WheelDesign::Spoked;
    g.webAtRim = g.spoked ? 0.8 * g.web : g.web;
    g.chamfer = 0.5 * m;
    g.fillet = design == WheelDesign::Solid ? 0 : 6;
    return g;
}

enum class Side { Left, Right, Top, Bottom };

// Lines to keep clear of, in groups with their boxes so that most are
// passed over at a glance, and circles, tested as circles.
class Obstacles {
public:
    void add(const std::vector<Point>& points, bool closed)
    {
        Group g{Box::empty(), m_segments.size(), 0};
        for (size_t i = 0; i + 1 < points.size(); ++i)
            m_segments.push_back({points[i], points[i + 1]});
        if (closed && points.size() > 2)
            m_segments.push_back({points.back(), points.front()});
        for (Point p : points)
            g.box.include(p);
        g.end = m_segments.size();
        if (g.end > g.begin)
            m_groups.push_back(g);
    }
    void add(Segment s) { add({s.a, s.b}, false); }
    void addCircle(Point c, double r) { m_circles.push_back({c, r}); }

    bool crossesBox(const Box& box) const
    {
        for (const Group& g : m_groups) {
            if (g.box.right < box.left || g.box.left > box.right || g.box.bottom < box.top || g.box.top > box.bottom)
                continue;
            for (size_t i = g.begin; i < g.end; ++i) {
                if (segmentCrossesBox(m_segments[i], box))
                    return true;
            }
        }
        for (const auto& [c, r] : m_circles) {
            const double nx = std::clamp(c.x, box.left, box.right) - c.x;
            const double ny = std::clamp(c.y, box.top, box.bottom) - c.y;
            const double fx = std::max(std::abs(box.left - c.x), std::abs(box.right - c.x));
            const double fy = std::max(std::abs(box.top - c.y), std::abs(box.bottom - c.y));
            if (std::hypot(nx, ny) < r && std::hypot(fx, fy) > r)
                return true;
        }
        return false;
    }

    bool crosses(const Segment& line, double margin) const
    {
        const Box reach{std::min(line.a.x, line.b.x), std::min(line.a.y, line.b.y), std::max(line.a.x, line.b.x),
                        std::max(line.a.y, line.b.y)};
        for (const Group& g : m_groups) {
            if (g.box.right < reach.left || g.box.left > reach.right || g.box.bottom < reach.top ||
                g.box.top > reach.bottom)
                continue;
            for (size_t i = g.begin; i < g.end; ++i) {
                if (segmentsCross(line, m_segments[i], margin))
                    return true;
            }
        }
        const Point d{line.b.x - line.a.x, line.b.y - line.a.y};
        const double dd = d.x * d.x + d.y * d.y;
        for (const auto& [c, r] : m_circles) {
            if (dd <= 0)
                continue;
            const Point f{line.a.x - c.x, line.a.y - c.y};
            const double b = f.x * d.x + f.y * d.y;
            const double disc = b * b - dd * (f.x * f.x + f.y * f.y - r * r);
            if (disc < 0)
                continue;
            for (double t : {(-b - std::sqrt(disc)) / dd, (-b + std::sqrt(disc)) / dd}) {
                const double along = t * std::sqrt(dd);
                if (t >= 0 && t <= 1 && along > margin && std::sqrt(dd) - along > margin)
                    return true;
            }
        }
        return false;
    }

private:
    struct Group {
        Box box;
        size_t begin;
        size_t end;
    };
    std::vector<Segment> m_segments;
    std::vector<Group> m_groups;
    std::vector<std::pair<Point, double>> m_circles;
};

// A dimension to stand outside the part: what it measures, on which side,
// beyond which edge of the view.
struct Outside {
    std::string symbol;
    double value;
    Point p1;
    Point p2;
    Side side;
    double edge;
    bool extensionsCross = false;
};

// Places dimensions and notes on a drawing so that no text overlaps another
// text, a line or the part, and no dimension line crosses the part or
// another dimension line.
class Layout {
public:
    // A layout for the part alone leaves every dimension and note out.
    Layout(Drawing& drawing, double scale, std::string separator, const Translator& translate, bool sketchOnly = false)
        : m_d(drawing), m_s(scale), m_h(kTextHeight * scale), m_sep(std::move(separator)), m_translate(translate),
          m_sketchOnly(sketchOnly)
    {
    }

    double s() const { return m_s; }
    const std::string& separator() const { return m_sep; }
    bool sketchOnly() const { return m_sketchOnly; }

    void outline(std::vector<Point> points, bool closed, Layer layer = Layer::Outline)
    {
        m_solid.add(points, closed);
        m_d.lines.push_back({layer, std::move(points), closed});
    }
    void material(std::vector<Point> contour) { m_material.push_back(std::move(contour)); }
    void centreLine(Point a, Point b)
    {
        m_centre.add({a, b});
        m_d.lines.push_back({Layer::Centre, {a, b}, false});
    }
    void circle(Layer layer, Point c, double r)
    {
        m_d.circles.push_back({layer, c, r});
        (layer == Layer::Centre ? m_centre : m_solid).addCircle(c, r);
    }

    // The symbol as the drawing writes it, in the language shown; the
    // annotation keeps the symbol itself, which finds it.
    std::string label(const std::string& symbol, std::optional<double> value, const std::string& suffix = {}) const
    {
        const std::string shown = translated(m_translate, "symbol", symbol);
        return value ? shown + " = " + dimensionValue(*value, m_sep) + suffix : shown;
    }

    // A dimension outside the part: the dimension line parallel to p1–p2,
    // on `side`, at the nearest free place beyond `edge`. When no place is
    // free, false, and nothing is drawn unless `force`. The extension lines
    // of a centre distance are the axes themselves and may cross the
    // dimensions of the gears on them.
    bool outside(const std::string& symbol, std::optional<double> value, Point p1, Point p2, Side side, double edge,
                 bool force = true, bool extensionsCross = false)
    {
        const bool vertical = side == Side::Left || side == Side::Right;
        const double sign = side == Side::Right || side == Side::Bottom ? 1 : -1;
        constexpr int kTiers = 16;
        // First a place where nothing is crossed; then one where only the
        // extension lines cross the part (a diameter through the mesh of a
        // pair must); last, when forced, the nearest.
        // A tier's line and text come out the same in every pass, since
        // nothing is placed meanwhile: each is finished once.
        std::array<std::optional<std::pair<int, Annotation>>, kTiers> finished;
        for (int pass = 0; pass < (force ? 3 : 1); ++pass) {
            for (int tier = 0; tier < kTiers; ++tier) {
                const double at = edge + sign * (kFirstDimensionOffset + tier * kDimensionSpacing) * m_s;
                const Point a = vertical ? Point{at, p1.y} : Point{p1.x, at};
                const Point b = vertical ? Point{at, p2.y} : Point{p2.x, at};
                Annotation dim = start(symbol, value, {p1, p2});
                bool clear = lineClear({a, b}, tiny(), true, true);
                for (const auto& [from, to] : {std::pair{p1, a}, std::pair{p2, b}}) {
                    const Point dir = unit(to - from);
                    const Segment ext{from + dir * (kExtensionGap * m_s), to + dir * (kOvershoot * m_s)};
                    clear = clear && lineClear(ext, tiny(), pass == 0, !extensionsCross);
                    dim.lines.push_back(ext);
                }
                if (!clear && pass < 2)
                    continue;
                if (!finished[tier]) {
                    const int fit = finishLine(dim, a, b);
                    finished[tier].emplace(fit, std::move(dim));
                }
                if (finished[tier]->first == 0 && pass < 2)
                    continue;
                commit(std::move(finished[tier]->second));
                return pass == 0;
            }
        }
        return false;
    }

    // Dimensions outside the part, in the order given (the smaller nearer
    // the part). The paths their extension lines will take are kept free of
    // texts first, so that a text of one never blocks the lines of the next.
    void outside(const std::vector<Outside>& dims)
    {
        if (m_sketchOnly)
            return;
        const size_t first = m_reserved.size();
        for (const Outside& d : dims) {
            const Point away = d.side == Side::Right    ? Point{1, 0}
                               : d.side == Side::Left   ? Point{-1, 0}
                               : d.side == Side::Bottom ? Point{0, 1}
                                                        : Point{0, -1};
            const double reach = std::abs((d.side == Side::Left || d.side == Side::Right ? d.p1.x : d.p1.y) - d.edge) +
                                 (kFirstDimensionOffset + 16 * kDimensionSpacing) * m_s;
            for (Point p : {d.p1, d.p2})
                m_reserved.push_back({p + away * (kExtensionGap * m_s), p + away * reach});
        }
        for (size_t i = 0; i < dims.size(); ++i) {
            const Outside& d = dims[i];
            // Its own paths do not keep its own text away.
            const Segment own1 = m_reserved[first + 2 * i];
            const Segment own2 = m_reserved[first + 2 * i + 1];
            m_reserved[first + 2 * i] = m_reserved[first + 2 * i + 1] = Segment{};
            outside(d.symbol, d.value, d.p1, d.p2, d.side, d.edge, true, d.extensionsCross);
            m_reserved[first + 2 * i] = own1;
            m_reserved[first + 2 * i + 1] = own2;
        }
        m_reserved.resize(first);
    }

    // A dimension between two faces, its line drawn between them: at the
    // first of the places offered where its text stands beside the line,
    // or else on a leader.
    void between(const std::string& symbol, std::optional<double> value, const std::vector<Segment>& places,
                 const std::vector<Segment>& measured = {})
    {
        if (m_sketchOnly)
            return;
        Annotation best;
        int bestFit = -1;
        for (size_t i = 0; i < places.size(); ++i) {
            const Segment& place = places[i];
            const Segment& ends = i < measured.size() ? measured[i] : place;
            Annotation dim = start(symbol, value, {ends.a, ends.b});
            const int fit = finishLine(dim, place.a, place.b);
            if (fit > bestFit) {
                best = std::move(dim);
                bestFit = fit;
            }
            if (fit == 2)
                break;
        }
        if (bestFit >= 0)
            commit(std::move(best));
    }

    // A note on a leader with its arrow at `target`.
    void note(const std::string& text, std::optional<double> value, const std::string& symbol, Point target)
    {
        if (m_sketchOnly)
            return;
        Annotation a;
        a.symbol = symbol;
        a.value = value;
        a.text = makeText(text, false);
        Point knee;
        placeOnLeader(a, target, knee);
        a.arrows.push_back(arrow(target, unit(target - knee)));
        commit(std::move(a));
    }

private:
    Annotation start(const std::string& symbol, std::optional<double> value, std::vector<Point> measured) const
    {
        Annotation a;
        a.symbol = symbol;
        a.value = value;
        a.measured = std::move(measured);
        a.text = makeText(label(symbol, value), false);
        return a;
    }

    Text makeText(const std::string& content, bool vertical) const
    {
        Text t;
        t.content = content;
        t.height = m_h;
        t.width = textWidth(content, m_h);
        t.vertical = vertical;
        return t;
    }

    std::array<Point, 3> arrow(Point tip, Point direction) const
    {
        const Point n{-direction.y, direction.x};
        const Point back = tip - direction * (kArrowLength * m_s);
        return {tip, back + n * (kArrowWidth * m_s / 2), back - n * (kArrowWidth * m_s / 2)};
    }

    // The dimension line a–b with its arrows and its text: along the line
    // where it fits, beyond an end where it does not (2), or on a leader (1,
    // or 0 when the leader found no free place).
    int finishLine(Annotation& dim, Point a, Point b)
    {
        const Point u = unit(b - a);
        const double span = length(b - a);
        const bool vertical = std::abs(u.y) > std::abs(u.x);
        // Texts stand above a horizontal line and to the left of a vertical one.
        const Point normal = vertical ? Point{-1, 0} : Point{0, -1};
        dim.dimensionLine = Segment{a, b};
        dim.text.vertical = vertical;
        const double w = dim.text.width;
        const double arrowRoom = 2 * (kArrowLength + kTextGap) * m_s;
        const double lift = kTextGap * m_s + m_h / 2;

        auto withArrows = [&](bool inward, Segment line) {
            dim.lines.push_back(line);
            dim.arrows.push_back(arrow(a, inward ? unit(a - b) : u));
            dim.arrows.push_back(arrow(b, inward ? u : unit(a - b)));
        };
        // Along the line, between the arrows.
        if (span >= w + 2 * kTextGap * m_s) {
            const bool inward = span >= w + arrowRoom;
            const double room = std::max(0.0, span - w - (inward ? arrowRoom : 0)) / 2;
            for (double shift : {0.0, 0.5, -0.5, 0.9, -0.9}) {
                dim.text.centre = a + u * (span / 2 + shift * room) + normal * lift;
                if (!textClear(dim.text.box()))
                    continue;
                const Point tail = u * ((kArrowLength + kOvershoot) * m_s);
                withArrows(inward, inward ? Segment{a, b} : Segment{a - tail, b + tail});
                return 2;
            }
        }
        // Beyond one end, the line carried on under the text.
        const bool inward = span >= arrowRoom;
        for (int end = 0; end < 2; ++end) {
            const Point from = end == 0 ? b : a;
            const Point out = end == 0 ? u : u * -1.0;
            const double reach = (inward ? kTextGap : kArrowLength + kTextGap) * m_s;
            dim.text.centre = from + out * (reach + w / 2) + normal * lift;
            const Point far = from + out * (reach + w + kTextGap * m_s);
            const Point tail = (end == 0 ? a : b) - out * ((inward ? 0 : kArrowLength + kOvershoot) * m_s);
            const Segment line = end == 0 ? Segment{tail, far} : Segment{far, tail};
            if (!textClear(dim.text.box()) || !lineClear({from, far}, tiny(), true))
                continue;
            withArrows(inward, line);
            return 2;
        }
        // On a leader from the middle of the line. Arrows outside carry the
        // line on past the ends, which must pass no text either.
        const Point tail = u * ((kArrowLength + kOvershoot) * m_s);
        const bool tailsClear = inward || (lineClear({a - tail, a}, tiny(), false, false) &&
                                           lineClear({b, b + tail}, tiny(), false, false));
        withArrows(inward, inward ? Segment{a, b} : Segment{a - tail, b + tail});
        dim.text.vertical = false;
        Point knee;
        return placeOnLeader(dim, a + u * (span / 2), knee) && tailsClear ? 1 : 0;
    }

    // Finds a free place for the annotation's text on a shelf at the end of
    // a leader from `from`, nearest first; the leader keeps off the part
    // where it can.
    bool placeOnLeader(Annotation& a, Point from, Point& knee)
    {
        a.leader = true;
        a.text.vertical = false;
        const double w = a.text.width;
        static constexpr std::array<double, 10> kReach{6, 9, 12, 16, 21, 27, 34, 42, 52, 64};
        static constexpr std::array<double, 14> kAngles{-45, -135, 45,   135, -70, -110, 70,
                                                        110, -20,  -160, 20,  160, 0,    180};
        for (int pass = 0; pass < 2; ++pass) {
            for (double reach : kReach) {
                for (double degrees : kAngles) {
                    const double rad = degrees * std::numbers::pi / 180;
                    const Point end = from + Point{std::cos(rad), std::sin(rad)} * (reach * m_s);
                    const double dir = std::cos(rad) >= 0 ? 1 : -1;
                    const Point shelfEnd = end + Point{dir * (w + 2 * kTextGap * m_s), 0};
                    Text t = a.text;
                    t.centre = {(end.x + shelfEnd.x) / 2, end.y - kTextGap * m_s / 2 - m_h / 2};
                    const Segment leader{from, end};
                    const Segment shelf{end, shelfEnd};
                    if (!textClear(t.box()) || !lineClear(shelf, tiny(), true) || !lineClear(leader, m_s, pass == 0))
                        continue;
                    a.text = t;
                    a.lines.push_back(leader);
                    a.lines.push_back(shelf);
                    knee = end;
                    return true;
                }
            }
        }
        // Nowhere free: far out to the upper right, where nothing else is.
        const Point end = from + Point{1, -1} * (80 * m_s);
        a.text.centre = {end.x + w / 2 + kTextGap * m_s, end.y - kTextGap * m_s / 2 - m_h / 2};
        a.lines.push_back({from, end});
        a.lines.push_back({end, end + Point{w + 2 * kTextGap * m_s, 0}});
        knee = end;
        return false;
    }

    // A text box is clear of the part, every line and every other text.
    bool textClear(const Box& box) const
    {
        const Box padded = box.grown(kTextGap * m_s * 0.5);
        if (m_solid.crossesBox(padded) || m_centre.crossesBox(padded) || m_annotationLines.crossesBox(padded))
            return false;
        for (const Segment& s : m_reserved) {
            if (segmentCrossesBox(s, padded))
                return false;
        }
        // Texts keep a wider berth from one another, so that two on one line
        // do not read as one.
        const Box apart = box.grown(kTextGap * m_s * 1.5);
        for (const Box& other : m_textBoxes) {
            if (other.overlaps(apart))
                return false;
        }
        const Point c{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        return !pointInContours(c, m_material);
    }

    // A line is clear when it passes through no text and, as asked, crosses
    // no edge of the part and no dimension line farther than `margin` from
    // its start and end.
    bool lineClear(const Segment& line, double margin, bool checkPart, bool checkDimensions = true) const
    {
        for (const Box& box : m_textBoxes) {
            if (segmentCrossesBox(line, box))
                return false;
        }
        if (checkDimensions) {
            for (const Segment& s : m_dimensionLines) {
                if (segmentsCross(line, s, margin))
                    return false;
            }
        }
        return !checkPart || !m_solid.crosses(line, margin);
    }
    double tiny() const { return 0.01 * m_s; }

    void commit(Annotation a)
    {
        m_textBoxes.push_back(a.text.box());
        for (const Segment& s : a.lines)
            m_annotationLines.add(s);
        if (a.dimensionLine)
            m_dimensionLines.push_back(*a.dimensionLine);
        for (const Segment& s : a.lines) {
            if (a.leader)
                m_dimensionLines.push_back(s);
        }
        m_d.annotations.push_back(std::move(a));
    }

    Drawing& m_d;
    double m_s;
    double m_h;
    std::string m_sep;
    const Translator& m_translate;
    bool m_sketchOnly;
    Obstacles m_solid;
    Obstacles m_centre;
    std::vector<Segment> m_reserved;
    std::vector<std::vector<Point>> m_material;
    Obstacles m_annotationLines;
    std::vector<Segment> m_dimensionLines;
    std::vector<Box> m_textBoxes;
};

// What a section drew: the box of its outline, and the middle of each
// fillet's arc as the section shows it in its half away from the axis' far
// side (local y below zero), for the fillet's note.
struct DrawnSection {
    Box box;
    std::vector<Point> fillets;
};

// Draws a gear's axial section about `centre`: outlines, hatching (or black
// where too narrow to hatch), the root line, the pitch lines and the axis.
DrawnSection drawSection(Drawing& d, Layout& lay, const Gear& g, Point centre, bool rising)
{
    const std::vector<Part> parts = g.parts();
    std::vector<std::vector<Point>> outlines = profile(parts);
    std::vector<Point> fillets;
    for (auto& contour : outlines) {
        if (g.fillet > 0) {
            for (size_t i = contour.size(); i-- > 0;) {
                // Only where a disc or spoke meets the rim or the hub.
                if (contour[i].y > g.rHub * 0.999 && contour[i].y < g.rRimIn * 1.001 && isConcave(contour, i)) {
                    if (const std::optional<Point> middle = roundCorner(contour, i, g.fillet, false))
                        fillets.push_back({centre.x + middle->x, centre.y - middle->y});
                }
            }
        }
        if (g.chamfer > 0) {
            for (size_t i = contour.size(); i-- > 0;) {
                if (std::abs(contour[i].y - g.ra) < 1e-9 && !isConcave(contour, i))
                    roundCorner(contour, i, g.chamfer, true);
            }
        }
    }
    std::vector<Part> cut;
    for (const Part& p : parts) {
        if (p.hatched)
            cut.push_back(p);
    }
    const std::vector<std::vector<Point>> cutContours = profile(cut);

    auto place = [&](Point local, int half) { return Point{centre.x + local.x, centre.y + half * local.y}; };
    Box box = Box::empty();
    Section section;
    // Each cut piece narrower than ГОСТ 2.306 lets hatch, across its
    // narrowest band or from its inside to its outside, is filled black.
    struct Reach {
        double low;
        double high;
        bool black;
    };
    std::vector<Reach> pieces;
    for (const auto& contour : cutContours) {
        Reach reach{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), false};
        double narrowest = std::numeric_limits<double>::infinity();
        for (Point p : contour) {
            narrowest = std::min(narrowest, 2 * std::abs(p.x));
            reach.low = std::min(reach.low, p.y);
            reach.high = std::max(reach.high, p.y);
        }
        narrowest = std::min(narrowest, reach.high - reach.low);
        reach.black = narrowest / lay.s() < kNarrowestHatched;
        pieces.push_back(reach);
    }
    auto isBlack = [&](double r) {
        for (const Reach& piece : pieces) {
            if (r >= piece.low && r <= piece.high)
                return piece.black;
        }
        return false;
    };
    std::vector<std::vector<Point>> hatched;
    for (int half : {-1, 1}) {
        for (const auto& contour : outlines) {
            std::vector<Point> points;
            for (Point p : contour)
                points.push_back(place(p, half));
            for (Point p : points)
                box.include(p);
            lay.material(points);
            lay.outline(std::move(points), true);
        }
        for (size_t i = 0; i < cutContours.size(); ++i) {
            std::vector<Point> points;
            for (Point p : cutContours[i])
                points.push_back(place(p, half));
            if (!pieces[i].black)
                hatched.push_back(points);
            section.contours.push_back(std::move(points));
        }
        for (const Part& p : cut) {
            if (isBlack((p.r0 + p.r1) / 2))
                section.filled.push_back({place({-p.w0, p.r0}, half), place({p.w0, p.r0}, half),
                                          place({p.w1, p.r1}, half), place({-p.w1, p.r1}, half)});
        }
        // The root line of the teeth; with spokes, where they meet rim and hub.
        if (g.rRoot > g.rRimIn)
            lay.outline({place({-g.bw / 2, g.rRoot}, half), place({g.bw / 2, g.rRoot}, half)}, false);
        if (g.spoked && g.rRimIn > g.rHub) {
            lay.outline({place({-g.webAtRim / 2, g.rRimIn}, half), place({g.webAtRim / 2, g.rRimIn}, half)}, false);
            if (g.web < g.Lst)
                lay.outline({place({-g.web / 2, g.rHub}, half), place({g.web / 2, g.rHub}, half)}, false);
        }
        const double over = kCentreOvershoot * lay.s();
        lay.centreLine(place({-g.bw / 2 - over, g.rPitch}, half), place({g.bw / 2 + over, g.rPitch}, half));
        if (g.holeOut > g.holeIn) {
            const double r = (g.holeIn + g.holeOut) / 2;
            lay.centreLine(place({-g.web / 2 - over, r}, half), place({g.web / 2 + over, r}, half));
        }
    }
    // The pass that only measures the part needs no hatching, which at full
    // size would be a line every 2 mm of however large a part.
    if (!lay.sketchOnly())
        section.hatching = hatchLines(hatched, kHatchSpacing * lay.s(), rising);
    d.sections.push_back(std::move(section));
    const double over = kCentreOvershoot * lay.s();
    lay.centreLine({centre.x - g.halfLength() - over, centre.y}, {centre.x + g.halfLength() + over, centre.y});
    return {box, std::move(fillets)};
}

// The view along the axis of a spoked wheel, its centre at `c`.
void drawSpokedView(Layout& lay, const Gear& g, Point c, const Quantities& v)
{
    lay.circle(Layer::Outline, c, g.ra);
    lay.circle(Layer::Centre, c, g.rPitch);
    lay.circle(Layer::Outline, c, g.rRimIn);
    lay.circle(Layer::Outline, c, g.rHub);
    if (g.rBore > 0)
        lay.circle(Layer::Outline, c, g.rBore);
    const double over = kCentreOvershoot * lay.s();
    lay.centreLine(c - Point{g.ra + over, 0}, c + Point{g.ra + over, 0});
    lay.centreLine(c - Point{0, g.ra + over}, c + Point{0, g.ra + over});
    // Six spokes, H wide at the hub and 0.8H at the rim; they must not meet
    // at the hub, so H stays below its radius.
    const double H = 0.8 * g.rHub;
    const double rib = 0.25 * H;
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        const Point u{std::cos(a), std::sin(a)};
        const Point n{-u.y, u.x};
        for (double side : {-1.0, 1.0}) {
            const double hubAlong = std::sqrt(std::max(0.0, g.rHub * g.rHub - H * H / 4));
            const double rimAlong = std::sqrt(std::max(0.0, g.rRimIn * g.rRimIn - 0.16 * H * H));
            lay.outline({c + u * hubAlong + n * (side * H / 2), c + u * rimAlong + n * (side * 0.4 * H)}, false);
            const double ribHub = std::sqrt(std::max(0.0, g.rHub * g.rHub - rib * rib / 4));
            const double ribRim = std::sqrt(std::max(0.0, g.rRimIn * g.rRimIn - rib * rib / 4));
            lay.outline({c + u * ribHub + n * (side * rib / 2), c + u * ribRim + n * (side * rib / 2)}, false,
                        Layer::Thin);
        }
    }
    // The spoke along the axis to the right carries H and 0.8H.
    // Its half width narrows straight from H/2 where it leaves the hub to
    // 0.4H where it meets the rim, as its sides are drawn above.
    const double hubAlong = std::sqrt(std::max(0.0, g.rHub * g.rHub - H * H / 4));
    const double rimAlong = std::sqrt(std::max(0.0, g.rRimIn * g.rRimIn - 0.16 * H * H));
    auto halfWidth = [&](double along) {
        return H / 2 - 0.1 * H * (along - hubAlong) / std::max(rimAlong - hubAlong, 1e-9);
    };
    // Outside the hub's circle, which a line nearer the hub would cut where
    // the spokes are short (a thick shaft), but no farther than halfway.
    const double xHub =
        c.x + std::min(std::max(hubAlong + 0.15 * (rimAlong - hubAlong), g.rHub + lay.s()), (hubAlong + rimAlong) / 2);
    const double xRim = c.x + rimAlong - 0.15 * (rimAlong - hubAlong);
    const double hAt = halfWidth(xHub - c.x);
    const double hRim = halfWidth(xRim - c.x);
    lay.between("H", std::nullopt, {{{xHub, c.y - hAt}, {xHub, c.y + hAt}}});
    lay.between("0" + lay.separator() + "8H", std::nullopt, {{{xRim, c.y - hRim}, {xRim, c.y + hRim}}});
    const double a60 = std::numbers::pi / 3;
    const Point u60{std::cos(-a60), std::sin(-a60)};
    const Point n60{-u60.y, u60.x};
    lay.note(lay.label(GEAR_TR_NOOP("symbol", "δр"), std::nullopt), std::nullopt, "δр",
             c + u60 * ((g.rHub + g.rRimIn) / 2) + n60 * (rib / 2));
    lay.note(lay.label("R", v.R), static_cast<double>(v.R), "R", c + Point{rimAlong, -0.4 * H});
}

struct Sheet {
    const char* name;
    double width;
    double height;
};

constexpr std::array<Sheet, 3> kSheets{{{"A4", 210, 297}, {"A3", 420, 297}, {"A3", 297, 420}}};
// ГОСТ 2.302's reductions, from full size down.
constexpr std::array<double, 13> kScales{1, 2, 2.5, 4, 5, 10, 15, 20, 25, 40, 50, 75, 100};

// What to draw, independent of the scale.
struct Subject {
    std::string title;
    std::function<void(Drawing&, Layout&)> draw;
    std::vector<std::vector<std::string>> table; // the parameters' table of a sheet
};

std::string scaleText(double scale, const std::string& separator)
{
    return "1:" + dimensionValue(scale, separator);
}

// "Масштаб 1:2", as the title block and a drawing at a standard scale write it.
std::string scaleLine(const Drawing& d, const DrawingTarget& target)
{
    return fillPlaceholders(translated(target.translate, "drawing", GEAR_TR_NOOP("drawing", "Масштаб %1")),
                            {d.scaleText});
}

// The rows both parameter tables have.
constexpr std::string_view kModule = GEAR_TR_NOOP("drawing", "Модуль");
constexpr std::string_view kTeeth = GEAR_TR_NOOP("drawing", "Число зубьев");
constexpr std::string_view kHelixAngle = GEAR_TR_NOOP("drawing", "Угол наклона зубьев");
constexpr std::string_view kPitchDiameter = GEAR_TR_NOOP("drawing", "Делительный диаметр");

// Lays the subject out at `scale` and puts the sheet (or the area) around
// it; the sheet's frame, title block and table when on paper.
Drawing layOut(const Subject& subject, double scale, const DrawingTarget& target, const Sheet* sheet, bool& fits,
               bool sketchOnly = false)
{
    Drawing d;
    d.title = subject.title;
    d.scale = scale;
    d.scaleText = scaleText(scale, target.decimalSeparator);
    Layout lay(d, scale, target.decimalSeparator, target.translate, sketchOnly);
    subject.draw(d, lay);
    if (sketchOnly)
        return d;
    const Box content = d.extents();
    const double margin = 2 * scale;
    if (!sheet) {
        const double w = target.width * scale;
        const double h = target.height * scale;
        // At a standard scale, the scale is written under the drawing.
        const double caption = target.standardScale ? (kTextHeight + 3) * scale : 0;
        const Point c{(content.left + content.right) / 2, (content.top + content.bottom + caption) / 2};
        d.sheet = {c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
        fits = content.width() + 2 * margin <= w && content.height() + caption + 2 * margin <= h;
        if (target.standardScale) {
            Text t;
            t.content = scaleLine(d, target);
            t.height = kTextHeight * scale;
            t.width = textWidth(t.content, t.height);
            t.centre = {d.sheet.right - t.width / 2 - margin, d.sheet.bottom - t.height / 2 - margin};
            d.texts.push_back(std::move(t));
        }
        return d;
    }
    d.sheetName = sheet->name;
    // The frame of ГОСТ 2.104: 20 mm left for binding, 5 mm elsewhere; the
    // title block at the bottom right, the parameters' table at the top right.
    const double h = kTextHeight;
    const double row = 7;
    std::vector<double> columns;
    for (const auto& r : subject.table) {
        for (size_t i = 0; i < r.size(); ++i) {
            if (columns.size() <= i)
                columns.push_back(0);
            columns[i] = std::max(columns[i], textWidth(r[i], h) + 4);
        }
    }
    double tableWidth = 0;
    for (double c : columns)
        tableWidth += c;
    const double tableHeight = row * static_cast<double>(subject.table.size());
    const std::string program = "gearwheel " GEAR_VERSION;
    const std::string scaleCaption = scaleLine(d, target);
    const double titleWidth =
        std::max({120.0, textWidth(subject.title, 5) + 10, textWidth(program, h) + textWidth(scaleCaption, h) + 12});
    const double titleHeight = 2 * row + 2;
    const Box frame{20, 5, sheet->width - 5, sheet->height - 5};
    const Box area{frame.left + 3, frame.top + tableHeight + 3, frame.right - 3, frame.bottom - titleHeight - 3};
    fits = tableWidth <= frame.width() && titleWidth <= frame.width() &&
           content.width() + 2 * margin <= area.width() * scale &&
           content.height() + 2 * margin <= area.height() * scale;
    // Sheet millimetres to model millimetres, the content in the middle of the area.
    const Point contentMiddle{(content.left + content.right) / 2, (content.top + content.bottom) / 2};
    const Point areaMiddle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    auto model = [&](double x, double y) {
        return Point{contentMiddle.x + (x - areaMiddle.x) * scale, contentMiddle.y + (y - areaMiddle.y) * scale};
    };
    const Point origin = model(0, 0);
    d.sheet = {origin.x, origin.y, origin.x + sheet->width * scale, origin.y + sheet->height * scale};
    auto rect = [&](double l, double t, double r, double b) {
        d.lines.push_back({Layer::Frame, {model(l, t), model(r, t), model(r, b), model(l, b)}, true});
    };
    auto line = [&](double x0, double y0, double x1, double y1) {
        d.lines.push_back({Layer::Frame, {model(x0, y0), model(x1, y1)}, false});
    };
    auto write = [&](const std::string& text, double x, double y, double size) {
        Text t;
        t.content = text;
        t.height = size * scale;
        t.width = textWidth(text, t.height);
        t.centre = model(x, y);
        t.layer = Layer::Frame;
        d.texts.push_back(std::move(t));
    };
    rect(frame.left, frame.top, frame.right, frame.bottom);
    // Title block.
    const double tl = frame.right - titleWidth;
    const double tt = frame.bottom - titleHeight;
    rect(tl, tt, frame.right, frame.bottom);
    line(tl, tt + row + 2, frame.right, tt + row + 2);
    write(subject.title, (tl + frame.right) / 2, tt + (row + 2) / 2, 5);
    const double split = tl + textWidth(scaleCaption, h) + 6;
    line(split, tt + row + 2, split, frame.bottom);
    write(scaleCaption, (tl + split) / 2, tt + row + 2 + row / 2, h);
    write(program, (split + frame.right) / 2, tt + row + 2 + row / 2, h);
    // Parameters' table.
    double y = frame.top;
    for (const auto& r : subject.table) {
        double x = frame.right - tableWidth;
        for (size_t i = 0; i < r.size(); ++i) {
            rect(x, y, x + columns[i], y + row);
            write(r[i], x + columns[i] / 2, y + row / 2, h);
            x += columns[i];
        }
        y += row;
    }
    return d;
}

// Whether every coordinate and size of the drawing is a finite number, as
// every writer and painter needs.
bool isFinite(const Drawing& d)
{
    bool finite = std::isfinite(d.scale) && d.scale > 0;
    auto point = [&](Point p) { finite = finite && std::isfinite(p.x) && std::isfinite(p.y); };
    auto text = [&](const Text& t) {
        point(t.centre);
        finite = finite && std::isfinite(t.height) && std::isfinite(t.width);
    };
    point({d.sheet.left, d.sheet.top});
    point({d.sheet.right, d.sheet.bottom});
    for (const Polyline& l : d.lines)
        for (Point p : l.points)
            point(p);
    for (const Circle& c : d.circles) {
        point(c.centre);
        finite = finite && std::isfinite(c.radius);
    }
    for (const Section& s : d.sections) {
        for (const Segment& l : s.hatching) {
            point(l.a);
            point(l.b);
        }
        for (const auto& piece : s.filled)
            for (Point p : piece)
                point(p);
    }
    for (const Annotation& a : d.annotations) {
        for (const Segment& l : a.lines) {
            point(l.a);
            point(l.b);
        }
        for (const auto& arrow : a.arrows)
            for (Point p : arrow)
                point(p);
        text(a.text);
    }
    for (const Text& t : d.texts)
        text(t);
    return finite;
}

// What is drawn of sizes no sheet or screen can show: the title alone.
Drawing nothingDrawn(const Subject& subject)
{
    Drawing d;
    d.title = subject.title;
    d.scaleText.clear();
    return d;
}

Drawing checked(Drawing d, const Subject& subject)
{
    return isFinite(d) ? d : nothingDrawn(subject);
}

Drawing laidOut(const Subject& subject, const DrawingTarget& target);

Drawing fitted(const Subject& subject, const DrawingTarget& target)
{
    return checked(laidOut(subject, target), subject);
}

Drawing laidOut(const Subject& subject, const DrawingTarget& target)
{
    bool fits = false;
    // The part alone bounds the scale from below: texts keep their size on
    // the sheet while the part shrinks with the scale. (A spoked wheel's
    // front view moves with its section's dimensions; at full size it is
    // near enough.)
    const Box part = layOut(subject, 1, target, nullptr, fits, true).outlineExtents();
    // A part of no size, of sizes beyond a double's reach or larger than a
    // kilometre is no gear: nothing is drawn of it.
    const double size = std::max(part.width(), part.height());
    if (!std::isfinite(part.left) || !std::isfinite(part.right) || !std::isfinite(part.top) ||
        !std::isfinite(part.bottom) || !(size >= kSmallestDrawn) || !(size <= kLargestDrawn))
        return nothingDrawn(subject);
    if (target.paper) {
        // Inside the frame, with room for the title block and the table.
        auto onSheet = [&](const Sheet& sheet, double scale) {
            return part.width() / scale <= sheet.width - 40 && part.height() / scale <= sheet.height - 60;
        };
        for (double scale : kScales) {
            for (const Sheet& sheet : kSheets) {
                if (!onSheet(sheet, scale))
                    continue;
                Drawing d = layOut(subject, scale, target, &sheet, fits);
                if (fits)
                    return d;
            }
        }
        // A part too large for the last reduction of the series is not
        // drawn, rather than drawn past the sheet.
        for (const Sheet& sheet : kSheets) {
            if (onSheet(sheet, kScales.back()))
                return layOut(subject, kScales.back(), target, &sheet, fits);
        }
        return nothingDrawn(subject);
    }
    if (!(target.width > 0) || !(target.height > 0))
        return layOut(subject, 1, target, nullptr, fits);
    const double least = std::max({part.width() / target.width, part.height() / target.height, 1e-6});
    if (target.standardScale) {
        for (double scale : kScales) {
            if (scale < least)
                continue;
            Drawing d = layOut(subject, scale, target, nullptr, fits);
            if (fits)
                return d;
        }
    }
    // A first layout tells how much room the dimensions take around the
    // part, in millimetres of the area; the scale that leaves them that room
    // is tried next, and then a little smaller ones until all fits.
    double scale = least * 2;
    Drawing d = layOut(subject, scale, target, nullptr, fits);
    const Box drawn = d.outlineExtents();
    const Box all = d.extents();
    const double roomX = target.width - (all.width() - drawn.width()) / scale - 6;
    const double roomY = target.height - (all.height() - drawn.height()) / scale - 6;
    if (roomX > 0.2 * target.width && roomY > 0.2 * target.height) {
        const double estimate = std::max(drawn.width() / roomX, drawn.height() / roomY);
        for (int step = 0; step < 30; ++step) {
            const double next = estimate * std::pow(1.08, step);
            if (fits && next >= scale)
                return d;
            bool nextFits = false;
            Drawing tried = layOut(subject, next, target, nullptr, nextFits);
            if (nextFits)
                return tried;
        }
    }
    for (int step = 1; !fits && step <= 40; ++step) {
        scale = least * 2 * std::pow(1.15, step);
        d = layOut(subject, scale, target, nullptr, fits);
    }
    return d;
}

std::string text(Number value, const std::string& separator)
{
    return numberToText(value, separator);
}

} // namespace

Drawing wheelDrawing(const Quantities& v, WheelDesign design, const DrawingTarget& target)
{
    const Gear g = wheelGear(v, design);
    Subject subject;
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    subject.title = words(design == WheelDesign::Spoked ? GEAR_TR_NOOP("drawing", "Колесо зубчатое литое")
                                                        : GEAR_TR_NOOP("drawing", "Колесо зубчатое"));
    const std::string& sep = target.decimalSeparator;
    subject.table = {{words(kModule), "m", dimensionValue(v.m, sep)},
                     {words(kTeeth), "z", text(v.Z1, sep)},
                     {words(kHelixAngle), "β", text(v.beta, sep) + "°"},
                     {words(kPitchDiameter), "d", dimensionValue(v.d, sep)},
                     {words(GEAR_TR_NOOP("drawing", "Диаметр вершин")), "da", dimensionValue(v.da, sep)},
                     {words(GEAR_TR_NOOP("drawing", "Диаметр впадин")), "df", dimensionValue(v.df, sep)}};
    subject.draw = [&, v, design](Drawing& d, Layout& lay) {
        const Point c{0, 0};
        const DrawnSection section = drawSection(d, lay, g, c, true);
        const Box& box = section.box;
        const double tipX = g.bw / 2 - std::min(g.chamfer, 0.45 * g.bw);
        // Widths above and below; diameters with the hub and the tip on the
        // right, the bore, the circle of holes and the rim on the left.
        std::vector<Outside> dims;
        dims.push_back(
            {"bw", v.bw1, {-g.bw / 2, -g.ra + g.chamfer}, {g.bw / 2, -g.ra + g.chamfer}, Side::Top, box.top});
        if (g.Lst > 0)
            dims.push_back({GEAR_TR_NOOP("symbol", "Lст"),
                            v.LstStd,
                            {-g.Lst / 2, g.rHub},
                            {g.Lst / 2, g.rHub},
                            Side::Bottom,
                            box.bottom});
        const double hubFace = g.Lst / 2;
        if (g.rHub > g.rBore)
            dims.push_back({GEAR_TR_NOOP("symbol", "dст"),
                            v.dstStd,
                            {hubFace, -g.rHub},
                            {hubFace, g.rHub},
                            Side::Right,
                            box.right});
        if (design == WheelDesign::Disc && g.rRimIn > g.rHub)
            dims.push_back({GEAR_TR_NOOP("symbol", "Dк"),
                            v.Dk,
                            {g.bw / 2, -g.rRimIn},
                            {g.bw / 2, g.rRimIn},
                            Side::Right,
                            box.right});
        dims.push_back({"da", v.da, {tipX, -g.ra}, {tipX, g.ra}, Side::Right, box.right});
        const std::string rim = design == WheelDesign::Solid ? "S" : "δ0";
        if (g.rRoot > g.rRimIn)
            dims.push_back({rim, v.Delta0, {-g.bw / 2, -g.rRoot}, {-g.bw / 2, -g.rRimIn}, Side::Left, box.left});
        if (g.rBore > 0)
            dims.push_back({GEAR_TR_NOOP("symbol", "dв"),
                            v.dvStd,
                            {-hubFace, -g.rBore},
                            {-hubFace, g.rBore},
                            Side::Left,
                            box.left});
        if (g.holeOut > g.holeIn) {
            const double r = (g.holeIn + g.holeOut) / 2;
            dims.push_back({"D0", v.D0, {-g.web / 2, -r}, {-g.web / 2, r}, Side::Left, box.left});
        }
        lay.outside(dims);
        if (g.holeOut > g.holeIn)
            lay.between("d0", static_cast<double>(v.d0),
                        {{{0, -g.holeOut}, {0, -g.holeIn}}, {{0, g.holeIn}, {0, g.holeOut}}});
        if (g.rRimIn > g.rHub) {
            // Across the disc in the free part of the recess, above or below;
            // across a spoke near the hub, and near the rim for L.
            const Part spoke{g.rHub, g.rRimIn, g.web / 2, g.webAtRim / 2};
            auto across = [&](std::initializer_list<double> fractions, double low, double high) {
                std::vector<Segment> places;
                for (double t : fractions) {
                    for (double half : {1.0, -1.0}) {
                        const double r = low + t * (high - low);
                        const double w = spoke.at(r);
                        places.push_back({{-w, half * r}, {w, half * r}});
                    }
                }
                return places;
            };
            if (g.spoked) {
                // A tapered spoke is dimensioned at its ends: the arrows stand
                // just inside them, where the taper has not yet told.
                const double inset = 1.5 * lay.s();
                auto atEnd = [&](const char* symbol, double value, double r, double w, double toward) {
                    std::vector<Segment> places;
                    std::vector<Segment> ends;
                    for (double half : {1.0, -1.0}) {
                        const double at = r + toward * inset;
                        places.push_back({{-spoke.at(at), half * at}, {spoke.at(at), half * at}});
                        ends.push_back({{-w, half * r}, {w, half * r}});
                    }
                    lay.between(symbol, value, places, ends);
                };
                atEnd("c", v.C, g.rHub, g.web / 2, 1);
                atEnd("L", v.L, g.rRimIn, g.webAtRim / 2, -1);
            } else {
                const double low = g.holeOut > g.holeIn ? g.holeOut : g.rHub;
                lay.between(design == WheelDesign::Solid ? "C" : "c", static_cast<double>(v.C),
                            across({0.5, 0.3, 0.7}, low, g.rRimIn));
            }
        }
        if (g.chamfer > 0) {
            const double f = std::min(g.chamfer, 0.45 * g.bw);
            lay.note(lay.label("f", 0.5 * v.m, "×45°"), 0.5 * v.m, "f", {-g.bw / 2 + f / 2, -g.ra + f / 2});
        }
        // The note points at the fillet where the disc meets the rim.
        if (g.rRimIn > g.rHub && g.web < g.bw && !g.spoked && !section.fillets.empty()) {
            const Point corner{-g.web / 2, -g.rRimIn};
            const Point at = *std::min_element(section.fillets.begin(), section.fillets.end(), [&](Point a, Point b) {
                return length(a - corner) < length(b - corner);
            });
            lay.note(lay.label("R", v.R), static_cast<double>(v.R), "R", at);
        }
        if (design == WheelDesign::Spoked) {
            const Box placed = d.extents();
            const Point front{placed.right + kViewGap * lay.s() + g.ra, 0};
            drawSpokedView(lay, g, front, v);
        }
    };
    return fitted(subject, target);
}

Drawing transmissionDrawing(const Quantities& v, WheelDesign design, const DrawingTarget& target)
{
    const Gear pinion = pairGear(v.da, v.d, v.df, v.bw1, v.m, design);
    const Gear wheel = pairGear(v.da2, v.d2, v.df2, positiveOr(v.bw2, v.bw1), v.m, design);
    const std::string& sep = target.decimalSeparator;
    Subject subject;
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    subject.title = words(GEAR_TR_NOOP("drawing", "Передача зубчатая цилиндрическая"));
    subject.table = {{words(GEAR_TR_NOOP("drawing", "Параметр")), "", words(GEAR_TR_NOOP("drawing", "Шестерня")),
                      words(GEAR_TR_NOOP("drawing", "Колесо"))},
                     {words(kModule), "m", dimensionValue(v.m, sep), dimensionValue(v.m, sep)},
                     {words(kTeeth), "z", text(v.Z1, sep), text(v.Z2, sep)},
                     {words(kHelixAngle), "β", text(v.beta, sep) + "°", text(v.beta, sep) + "°"},
                     {words(kPitchDiameter), "d", dimensionValue(v.d, sep), dimensionValue(v.d2, sep)},
                     {words(GEAR_TR_NOOP("drawing", "Межосевое расстояние")), "aw", dimensionValue(v.aw, sep),
                      dimensionValue(v.aw, sep)}};
    subject.draw = [&, v](Drawing& d, Layout& lay) {
        const double aw = positiveOr(v.aw, pinion.rPitch + wheel.rPitch);
        const Box top = drawSection(d, lay, pinion, {0, 0}, true).box;
        // The wheel's teeth behind the pinion's in the mesh are hidden.
        const size_t first = d.lines.size();
        const Box bottom = drawSection(d, lay, wheel, {0, aw}, false).box;
        std::vector<std::vector<Point>> pinionShape;
        for (const Polyline& line : d.lines) {
            if (&line - d.lines.data() >= static_cast<std::ptrdiff_t>(first))
                break;
            if (line.layer == Layer::Outline && line.closed)
                pinionShape.push_back(line.points);
        }
        std::vector<Polyline> split;
        for (size_t i = first; i < d.lines.size(); ++i) {
            const Polyline& line = d.lines[i];
            if (line.layer != Layer::Outline) {
                split.push_back(line);
                continue;
            }
            const size_t n = line.points.size();
            const size_t edges = line.closed ? n : n - 1;
            for (size_t k = 0; k < edges; ++k) {
                const Point a = line.points[k];
                const Point b = line.points[(k + 1) % n];
                const Point mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
                const bool behind = pointInContours(mid, pinionShape);
                split.push_back({behind ? Layer::Hidden : Layer::Outline, {a, b}, false});
            }
        }
        d.lines.resize(first);
        d.lines.insert(d.lines.end(), split.begin(), split.end());

        Box all = top;
        all.include(bottom);
        const double tip1 = pinion.bw / 2 - std::min(pinion.chamfer, 0.45 * pinion.bw);
        const double tip2 = wheel.bw / 2 - std::min(wheel.chamfer, 0.45 * wheel.bw);
        const double over = kCentreOvershoot * lay.s();
        const double axisEnd = std::max(pinion.halfLength(), wheel.halfLength()) + over;
        lay.outside({
            {"bw1",
             v.bw1,
             {-pinion.bw / 2, -pinion.ra + pinion.chamfer},
             {pinion.bw / 2, -pinion.ra + pinion.chamfer},
             Side::Top,
             all.top},
            {"bw2",
             positiveOr(v.bw2, v.bw1),
             {-wheel.bw / 2, aw + wheel.ra - wheel.chamfer},
             {wheel.bw / 2, aw + wheel.ra - wheel.chamfer},
             Side::Bottom,
             all.bottom},
            {"df1", v.df, {pinion.bw / 2, -pinion.rRoot}, {pinion.bw / 2, pinion.rRoot}, Side::Right, all.right},
            {"d1",
             v.d,
             {pinion.bw / 2 + over, -pinion.rPitch},
             {pinion.bw / 2 + over, pinion.rPitch},
             Side::Right,
             all.right},
            {"da1", v.da, {tip1, -pinion.ra}, {tip1, pinion.ra}, Side::Right, all.right},
            {"df2", v.df2, {-wheel.bw / 2, aw - wheel.rRoot}, {-wheel.bw / 2, aw + wheel.rRoot}, Side::Left, all.left},
            {"d2",
             v.d2,
             {-wheel.bw / 2 - over, aw - wheel.rPitch},
             {-wheel.bw / 2 - over, aw + wheel.rPitch},
             Side::Left,
             all.left},
            {"da2", v.da2, {-tip2, aw - wheel.ra}, {-tip2, aw + wheel.ra}, Side::Left, all.left},
            // The centre distance between the axes, carried out past the pinion's diameters.
            {"aw", v.aw, {axisEnd, 0}, {axisEnd, aw}, Side::Right, all.right, true},
        });
    };
    return fitted(subject, target);
}

std::optional<Drawing> modeDrawing(const CalcState& state, Mode mode, const DrawingTarget& target)
{
    const auto& kept = state.results[static_cast<size_t>(mode)];
    if (!kept || mode == Mode::Check)
        return std::nullopt;
    const Quantities& v = kept->values;
    if (mode == Mode::Wheel)
        return wheelDrawing(v, wheelDesignOf(v.da), target);
    return transmissionDrawing(v, transmissionDesignOf(v.da), target);
}

} // namespace gear
