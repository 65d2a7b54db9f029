// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/section_view.h"

#include "shell/message.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace gear::detail {

namespace {

// Rounds the fillets where a disc or a spoke meets the rim or the hub and
// chamfers the tips; gives the middle of each fillet as the section about
// `centre` shows it, for the fillet's note.
std::vector<Point> roundCorners(std::vector<std::vector<Point>>& outlines, const Gear& g, Point centre)
{
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
    return fillets;
}

// The radii a cut piece of the section spans, and whether it is filled
// black.
struct Reach {
    double low;
    double high;
    bool black;
};

// Each cut piece narrower than ГОСТ 2.306 lets hatch, across its
// narrowest band or from its inside to its outside, is filled black.
std::vector<Reach> cutReaches(const std::vector<std::vector<Point>>& cutContours, double scale)
{
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
        reach.black = narrowest / scale < kNarrowestHatched;
        pieces.push_back(reach);
    }
    return pieces;
}

bool isBlack(const std::vector<Reach>& pieces, double r)
{
    for (const Reach& piece : pieces) {
        if (r >= piece.low && r <= piece.high)
            return piece.black;
    }
    return false;
}

// One half of a section, above the axis (-1) or below it (1): where a point
// of the half section in (axial x, radius) stands on the drawing.
struct Half {
    Point centre;
    int half;

    Point operator()(Point local) const { return Point{centre.x + local.x, centre.y + half * local.y}; }
};

void drawOutlines(Layout& lay, const std::vector<std::vector<Point>>& outlines, const Half& place, Box& box)
{
    for (const auto& contour : outlines) {
        std::vector<Point> points;
        for (Point p : contour)
            points.push_back(place(p));
        for (Point p : points)
            box.include(p);
        lay.material(points);
        lay.outline(std::move(points), true);
    }
}

// The cut pieces of the half: their contours, hatched or, where too narrow,
// filled black part by part.
void cutHalf(Section& section, std::vector<std::vector<Point>>& hatched,
             const std::vector<std::vector<Point>>& cutContours, const std::vector<Reach>& pieces,
             const std::vector<Part>& cut, const Half& place)
{
    for (size_t i = 0; i < cutContours.size(); ++i) {
        std::vector<Point> points;
        for (Point p : cutContours[i])
            points.push_back(place(p));
        if (!pieces[i].black)
            hatched.push_back(points);
        section.contours.push_back(std::move(points));
    }
    for (const Part& p : cut) {
        if (isBlack(pieces, (p.r0 + p.r1) / 2))
            section.filled.push_back(
                {place({-p.w0, p.r0}), place({p.w0, p.r0}), place({p.w1, p.r1}), place({-p.w1, p.r1})});
    }
}

// The root line of the teeth; with spokes, where they meet rim and hub; the
// pitch line and the line through the holes of a disc.
void drawLinesOfHalf(Layout& lay, const Gear& g, const Half& place)
{
    if (g.rRoot > g.rRimIn)
        lay.outline({place({-g.bw / 2, g.rRoot}), place({g.bw / 2, g.rRoot})}, false);
    if (g.spoked && g.rRimIn > g.rHub) {
        lay.outline({place({-g.webAtRim / 2, g.rRimIn}), place({g.webAtRim / 2, g.rRimIn})}, false);
        if (g.web < g.Lst)
            lay.outline({place({-g.web / 2, g.rHub}), place({g.web / 2, g.rHub})}, false);
    }
    const double over = kCentreOvershoot * lay.s();
    lay.centreLine(place({-g.bw / 2 - over, g.rPitch}), place({g.bw / 2 + over, g.rPitch}));
    if (g.holeOut > g.holeIn) {
        const double r = (g.holeIn + g.holeOut) / 2;
        lay.centreLine(place({-g.web / 2 - over, r}), place({g.web / 2 + over, r}));
    }
}

} // namespace

DrawnSection drawSection(Drawing& d, Layout& lay, const Gear& g, Point centre, bool rising)
{
    Box box = Box::empty();
    Section section;
    std::vector<std::vector<Point>> hatched;
    std::vector<Point> fillets;
    // The section is cut through the keyway: the half above the axis shows
    // the bore out to the keyway's bottom.
    for (int half : {-1, 1}) {
        const Gear shown = half < 0 && g.keyDepth > 0 ? g.throughKeyway() : g;
        const std::vector<Part> parts = shown.parts();
        std::vector<std::vector<Point>> outlines = profile(parts);
        std::vector<Point> rounded = roundCorners(outlines, shown, centre);
        if (half < 0)
            fillets = std::move(rounded);
        std::vector<Part> cut;
        for (const Part& p : parts) {
            if (p.hatched)
                cut.push_back(p);
        }
        const std::vector<std::vector<Point>> cutContours = profile(cut);
        const std::vector<Reach> pieces = cutReaches(cutContours, lay.s());
        const Half place{centre, half};
        drawOutlines(lay, outlines, place, box);
        cutHalf(section, hatched, cutContours, pieces, cut, place);
        drawLinesOfHalf(lay, shown, place);
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

void drawKeyway(Layout& lay, const Gear& g, Point c, bool bareOutline)
{
    const double r = g.rBore;
    const double w = std::min(g.keyWidth / 2, 0.9 * r);
    const double bottom = r + g.keyDepth;
    std::vector<Point> points;
    const double from = std::asin(w / r);
    constexpr int kSteps = 96;
    for (int k = 0; k <= kSteps; ++k) {
        const double phi = from + (2 * std::numbers::pi - 2 * from) * k / kSteps;
        points.push_back({c.x + r * std::sin(phi), c.y - r * std::cos(phi)});
    }
    points.push_back({c.x - w, c.y - bottom});
    points.push_back({c.x + w, c.y - bottom});
    lay.outline(points, true);
    if (bareOutline)
        return;
    lay.circle(Layer::Outline, c, g.rHub);
    const double over = kCentreOvershoot * lay.s();
    lay.centreLine(c - Point{g.rHub + over, 0}, c + Point{g.rHub + over, 0});
    lay.centreLine(c - Point{0, g.rHub + over}, c + Point{0, g.rHub + over});
    lay.outside({{"b", g.keyWidth, {c.x - w, c.y - bottom}, {c.x + w, c.y - bottom}, Side::Top, c.y - g.rHub},
                 {"dв + t2", 2 * r + g.keyDepth, {c.x + w, c.y - bottom}, {c.x, c.y + r}, Side::Right, c.x + g.rHub}});
}

void drawSpokedView(Layout& lay, const Gear& g, Point c, const Quantities& v)
{
    lay.circle(Layer::Outline, c, g.ra);
    lay.circle(Layer::Centre, c, g.rPitch);
    lay.circle(Layer::Outline, c, g.rRimIn);
    lay.circle(Layer::Outline, c, g.rHub);
    if (g.rBore > 0 && g.keyDepth > 0)
        drawKeyway(lay, g, c, true);
    else if (g.rBore > 0)
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
    // A sheet writes their numbers; a screen's sketch names them.
    const auto onSheet = [&](double value) { return lay.working() ? std::optional<double>(value) : std::nullopt; };
    lay.between("H", onSheet(H), {{{xHub, c.y - hAt}, {xHub, c.y + hAt}}});
    lay.between("0" + lay.separator() + "8H", onSheet(0.8 * H), {{{xRim, c.y - hRim}, {xRim, c.y + hRim}}});
    const double a60 = std::numbers::pi / 3;
    const Point u60{std::cos(-a60), std::sin(-a60)};
    const Point n60{-u60.y, u60.x};
    lay.note(lay.label(GEAR_TR_NOOP("symbol", "δр"), onSheet(rib)), onSheet(rib), "δр",
             c + u60 * ((g.rHub + g.rRimIn) / 2) + n60 * (rib / 2));
    lay.note(lay.label("R", v.R), static_cast<double>(v.R), "R", c + Point{rimAlong, -0.4 * H});
}

} // namespace gear::detail
