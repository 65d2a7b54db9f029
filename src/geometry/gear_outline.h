// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A gear's outline in its axial half section: the solids of revolution a
// wheel is made of, the contours of their union with its corners rounded
// and chamfered, and the sizes of a wheel or of a gear of a pair as they
// are drawn.

#include "geometry/drawing.h"
#include "geometry/wheel_drawing.h"
#include "shell/calc_state.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

namespace gear::detail {

inline Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double k)
{
    return {a.x * k, a.y * k};
}
inline double length(Point a)
{
    return std::hypot(a.x, a.y);
}
inline Point unit(Point a)
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
std::vector<std::vector<Point>> profile(const std::vector<Part>& parts);

// Rounds the corner at `index` with a quarter circle of radius r, or cuts it
// at 45° when `chamfer`; only square corners are rounded. The radius is cut
// down to what the corner's edges leave room for, so the middle of the
// rounding made is given, for a note to point at.
std::optional<Point> roundCorner(std::vector<Point>& contour, std::size_t index, double r, bool chamfer);

// True when the corner at `index` turns into the part: a fillet there adds
// material instead of taking it away.
bool isConcave(const std::vector<Point>& contour, std::size_t index);

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
    // The keyway of the bore (ГОСТ 23360), cut through the hub's length:
    // its width and its depth t2 past the bore; none where 0.
    double keyWidth = 0;
    double keyDepth = 0;
    double keyTolerance = 0;

    std::vector<Part> parts() const;
    // The gear as its section through the keyway shows it: the bore out to
    // the keyway's bottom.
    Gear throughKeyway() const;
    double halfLength() const;
};

double positiveOr(double value, double fallback);

// The wheel mode's wheel as its numbers say. Only what cannot be drawn is
// held back: a bore as wide as the teeth, a width of nothing; the texts keep
// the numbers.
Gear wheelGear(const Quantities& v, WheelDesign design);

// A gear of the pair: its teeth as designed, its body in the usual
// proportions of the design, since a pair is designed without its shafts.
Gear pairGear(double da, double d, double df, double bw, double m, WheelDesign design);

} // namespace gear::detail
