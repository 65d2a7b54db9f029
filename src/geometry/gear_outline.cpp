// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/gear_outline.h"

#include "geometry/keyway.h"

#include "geometry/module_choice.h"
#include "geometry/wheel_body.h"

#include <algorithm>
#include <numbers>

namespace gear::detail {

namespace {

// The radii where the widest part may change: the ends of every part and,
// where two sloping parts cross, the radius they cross at.
std::vector<double> profileCuts(const std::vector<Part>& parts)
{
    std::vector<double> cuts;
    for (const Part& p : parts) {
        cuts.push_back(p.r0);
        cuts.push_back(p.r1);
    }
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
    return cuts;
}

// The closed contour of a run of radii from its right side, mirrored to the
// left, without repeated points and points inside a straight run.
std::vector<Point> closedContour(const std::vector<Point>& right)
{
    std::vector<Point> contour = right;
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        contour.push_back({-it->x, it->y});
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
    return tidy;
}

} // namespace

std::vector<std::vector<Point>> profile(const std::vector<Part>& parts)
{
    const std::vector<double> cuts = profileCuts(parts);
    std::vector<std::vector<Point>> contours;
    std::vector<Point> right;
    auto close = [&] {
        if (right.empty())
            return;
        std::vector<Point> contour = closedContour(right);
        if (contour.size() >= 3)
            contours.push_back(std::move(contour));
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

std::vector<Part> Gear::parts() const
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

Gear Gear::throughKeyway() const
{
    Gear g = *this;
    g.rBore += keyDepth;
    return g;
}

double Gear::halfLength() const
{
    return std::max({bw, Lst, web, webAtRim}) / 2;
}

double positiveOr(double value, double fallback)
{
    return std::isfinite(value) && value > 0 ? value : fallback;
}

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
    // A keyway where the hub, or the rim of a wheel without a hub, leaves
    // it a wall of at least its own depth.
    if (const std::optional<Keyway> key = keywayFor(v.dvStd)) {
        const double wall = (g.rHub > g.rBore ? g.rHub : g.rRimIn) - g.rBore;
        if (g.rBore * 2 == static_cast<double>(v.dvStd) && wall > 2 * key->t2 && key->b < g.rBore) {
            g.keyWidth = key->b;
            g.keyDepth = key->t2;
            g.keyTolerance = key->t2Tolerance;
        }
    }
    return g;
}

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

} // namespace gear::detail
