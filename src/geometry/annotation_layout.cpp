// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/annotation_layout.h"

#include "geometry/gear_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gear::detail {

namespace {

// Sizes on the sheet, mm: arrowheads as ГОСТ 2.307 draws them, the gap
// between a text and its line, the break between a part and its extension
// line, how far extension lines run past what they mark.
constexpr double kArrowLength = 3.0;
constexpr double kArrowWidth = 1.0;
constexpr double kTextGap = 1.0;
constexpr double kExtensionGap = 0.8;
constexpr double kOvershoot = 2.0;

} // namespace

void Obstacles::add(const std::vector<Point>& points, bool closed)
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

bool Obstacles::crossesBox(const Box& box) const
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

bool Obstacles::crosses(const Segment& line, double margin) const
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

void Layout::outline(std::vector<Point> points, bool closed, Layer layer)
{
    m_solid.add(points, closed);
    m_d.lines.push_back({layer, std::move(points), closed});
}

void Layout::centreLine(Point a, Point b)
{
    m_centre.add({a, b});
    m_d.lines.push_back({Layer::Centre, {a, b}, false});
}

void Layout::circle(Layer layer, Point c, double r)
{
    m_d.circles.push_back({layer, c, r});
    (layer == Layer::Centre ? m_centre : m_solid).addCircle(c, r);
}

std::string Layout::label(const std::string& symbol, std::optional<double> value, const std::string& suffix) const
{
    const std::string shown = translated(m_translate, "symbol", symbol);
    if (value && m_working) {
        const auto tolerance = m_tolerances.find(symbol);
        const std::string number = dimensionValue(*value, m_sep) + suffix +
                                   (tolerance == m_tolerances.end() ? std::string() : tolerance->second);
        if (symbol == "R")
            return "R" + number;
        // Every diameter's symbol begins with d or D: da, df, dв, dст, Dк,
        // D0, d0, d1 …; «dв + t2» is the depth of a keyway from the bore.
        const bool diameter = !symbol.empty() && (symbol.front() == 'd' || symbol.front() == 'D') &&
                              symbol.find('+') == std::string::npos;
        return diameter ? "⌀" + number : number;
    }
    return value ? shown + " = " + dimensionValue(*value, m_sep) + suffix : shown;
}

bool Layout::outside(const std::string& symbol, std::optional<double> value, Point p1, Point p2, Side side, double edge,
                     bool force, bool extensionsCross)
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

void Layout::outside(const std::vector<Outside>& dims)
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

void Layout::between(const std::string& symbol, std::optional<double> value, const std::vector<Segment>& places,
                     const std::vector<Segment>& measured)
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

void Layout::note(const std::string& text, std::optional<double> value, const std::string& symbol, Point target)
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

void Layout::roughness(double ra, const std::string& symbol, Point target)
{
    if (m_sketchOnly)
        return;
    Annotation a;
    a.symbol = symbol;
    a.value = ra;
    // Room before the parameter for the sign, drawn in the text's own box:
    // no-break spaces, which no renderer drops.
    a.text = makeText("\u00A0\u00A0\u00A0\u00A0\u00A0Ra " + dimensionValue(ra, m_sep), false);
    Point knee;
    placeOnLeader(a, target, knee);
    a.arrows.push_back(arrow(target, unit(target - knee)));
    const Box box = a.text.box();
    const Point tip{box.left + 0.6 * m_h, box.bottom};
    const Point shortEnd{tip.x - 0.577 * 0.5 * m_h, tip.y - 0.5 * m_h};
    const Point longEnd{tip.x + 0.577 * m_h, box.top};
    a.lines.push_back({shortEnd, tip});
    a.lines.push_back({tip, longEnd});
    a.lines.push_back({shortEnd, {tip.x + 0.577 * 0.5 * m_h, shortEnd.y}});
    commit(std::move(a));
}

Annotation Layout::start(const std::string& symbol, std::optional<double> value, std::vector<Point> measured) const
{
    Annotation a;
    a.symbol = symbol;
    a.value = value;
    a.measured = std::move(measured);
    a.text = makeText(label(symbol, value), false);
    return a;
}

Text Layout::makeText(const std::string& content, bool vertical) const
{
    Text t;
    t.content = content;
    t.height = m_h;
    t.width = textWidth(content, m_h);
    t.vertical = vertical;
    return t;
}

std::array<Point, 3> Layout::arrow(Point tip, Point direction) const
{
    const Point n{-direction.y, direction.x};
    const Point back = tip - direction * (kArrowLength * m_s);
    return {tip, back + n * (kArrowWidth * m_s / 2), back - n * (kArrowWidth * m_s / 2)};
}

int Layout::finishLine(Annotation& dim, Point a, Point b)
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
    const bool tailsClear =
        inward || (lineClear({a - tail, a}, tiny(), false, false) && lineClear({b, b + tail}, tiny(), false, false));
    withArrows(inward, inward ? Segment{a, b} : Segment{a - tail, b + tail});
    dim.text.vertical = false;
    Point knee;
    return placeOnLeader(dim, a + u * (span / 2), knee) && tailsClear ? 1 : 0;
}

bool Layout::placeOnLeader(Annotation& a, Point from, Point& knee)
{
    a.leader = true;
    a.text.vertical = false;
    const double w = a.text.width;
    static constexpr std::array<double, 10> kReach{6, 9, 12, 16, 21, 27, 34, 42, 52, 64};
    static constexpr std::array<double, 14> kAngles{-45, -135, 45, 135, -70, -110, 70, 110, -20, -160, 20, 160, 0, 180};
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

bool Layout::textClear(const Box& box) const
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

bool Layout::lineClear(const Segment& line, double margin, bool checkPart, bool checkDimensions) const
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

void Layout::commit(Annotation a)
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

} // namespace gear::detail
