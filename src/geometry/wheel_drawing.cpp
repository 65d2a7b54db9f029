// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_drawing.h"

#include "geometry/annotation_layout.h"
#include "geometry/drawing_sheet.h"
#include "geometry/gear_outline.h"
#include "geometry/module_choice.h"
#include "geometry/section_view.h"
#include "shell/number_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

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

namespace detail {

namespace {

// The gap between a wheel's section and its view along the axis, mm of the
// sheet.
constexpr double kViewGap = 12.0;

// The rows both parameter tables have.
constexpr std::string_view kModule = GEAR_TR_NOOP("drawing", "Модуль");
constexpr std::string_view kTeeth = GEAR_TR_NOOP("drawing", "Число зубьев");
constexpr std::string_view kHelixAngle = GEAR_TR_NOOP("drawing", "Угол наклона зубьев");
constexpr std::string_view kPitchDiameter = GEAR_TR_NOOP("drawing", "Делительный диаметр");

std::string text(Number value, const std::string& separator)
{
    return numberToText(value, separator);
}

std::vector<std::vector<std::string>> wheelTable(const Quantities& v, const DrawingTarget& target)
{
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    const std::string& sep = target.decimalSeparator;
    return {{words(kModule), "m", dimensionValue(v.m, sep)},
            {words(kTeeth), "z", text(v.Z1, sep)},
            {words(kHelixAngle), "β", text(v.beta, sep) + "°"},
            {words(kPitchDiameter), "d", dimensionValue(v.d, sep)},
            {words(GEAR_TR_NOOP("drawing", "Диаметр вершин")), "da", dimensionValue(v.da, sep)},
            {words(GEAR_TR_NOOP("drawing", "Диаметр впадин")), "df", dimensionValue(v.df, sep)}};
}

// Widths above and below; diameters with the hub and the tip on the right,
// the bore, the circle of holes and the rim on the left; the section's box
// says where each stands.
std::vector<Outside> wheelDimensions(const Gear& g, const Quantities& v, WheelDesign design, const Box& box)
{
    const double tipX = g.bw / 2 - std::min(g.chamfer, 0.45 * g.bw);
    std::vector<Outside> dims;
    dims.push_back({"bw", v.bw1, {-g.bw / 2, -g.ra + g.chamfer}, {g.bw / 2, -g.ra + g.chamfer}, Side::Top, box.top});
    if (g.Lst > 0)
        dims.push_back({GEAR_TR_NOOP("symbol", "Lст"),
                        v.LstStd,
                        {-g.Lst / 2, g.rHub},
                        {g.Lst / 2, g.rHub},
                        Side::Bottom,
                        box.bottom});
    const double hubFace = g.Lst / 2;
    if (g.rHub > g.rBore)
        dims.push_back(
            {GEAR_TR_NOOP("symbol", "dст"), v.dstStd, {hubFace, -g.rHub}, {hubFace, g.rHub}, Side::Right, box.right});
    if (design == WheelDesign::Disc && g.rRimIn > g.rHub)
        dims.push_back(
            {GEAR_TR_NOOP("symbol", "Dк"), v.Dk, {g.bw / 2, -g.rRimIn}, {g.bw / 2, g.rRimIn}, Side::Right, box.right});
    dims.push_back({"da", v.da, {tipX, -g.ra}, {tipX, g.ra}, Side::Right, box.right});
    const std::string rim = design == WheelDesign::Solid ? "S" : "δ0";
    if (g.rRoot > g.rRimIn)
        dims.push_back({rim, v.Delta0, {-g.bw / 2, -g.rRoot}, {-g.bw / 2, -g.rRimIn}, Side::Left, box.left});
    if (g.rBore > 0)
        dims.push_back(
            {GEAR_TR_NOOP("symbol", "dв"), v.dvStd, {-hubFace, -g.rBore}, {-hubFace, g.rBore}, Side::Left, box.left});
    if (g.holeOut > g.holeIn) {
        const double r = (g.holeIn + g.holeOut) / 2;
        dims.push_back({"D0", v.D0, {-g.web / 2, -r}, {-g.web / 2, r}, Side::Left, box.left});
    }
    return dims;
}

// The width of the disc or of a spoke, across it between its faces.
void dimensionWeb(Layout& lay, const Gear& g, const Quantities& v, WheelDesign design)
{
    if (!(g.rRimIn > g.rHub))
        return;
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

// The chamfer of the teeth, and the fillet where the disc meets the rim, on
// leaders.
void wheelNotes(Layout& lay, const Gear& g, const Quantities& v, const DrawnSection& section)
{
    if (g.chamfer > 0) {
        const double f = std::min(g.chamfer, 0.45 * g.bw);
        lay.note(lay.label("f", 0.5 * v.m, "×45°"), 0.5 * v.m, "f", {-g.bw / 2 + f / 2, -g.ra + f / 2});
    }
    // The note points at the fillet where the disc meets the rim.
    if (g.rRimIn > g.rHub && g.web < g.bw && !g.spoked && !section.fillets.empty()) {
        const Point corner{-g.web / 2, -g.rRimIn};
        const Point at = *std::min_element(section.fillets.begin(), section.fillets.end(),
                                           [&](Point a, Point b) { return length(a - corner) < length(b - corner); });
        lay.note(lay.label("R", v.R), static_cast<double>(v.R), "R", at);
    }
}

void drawWheel(Drawing& d, Layout& lay, const Gear& g, const Quantities& v, WheelDesign design)
{
    const DrawnSection section = drawSection(d, lay, g, {0, 0}, true);
    lay.outside(wheelDimensions(g, v, design, section.box));
    if (g.holeOut > g.holeIn)
        lay.between("d0", static_cast<double>(v.d0),
                    {{{0, -g.holeOut}, {0, -g.holeIn}}, {{0, g.holeIn}, {0, g.holeOut}}});
    dimensionWeb(lay, g, v, design);
    wheelNotes(lay, g, v, section);
    if (design == WheelDesign::Spoked) {
        const Box placed = d.extents();
        const Point front{placed.right + kViewGap * lay.s() + g.ra, 0};
        drawSpokedView(lay, g, front, v);
    }
}

std::vector<std::vector<std::string>> pairTable(const Quantities& v, const DrawingTarget& target)
{
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    const std::string& sep = target.decimalSeparator;
    return {{words(GEAR_TR_NOOP("drawing", "Параметр")), "", words(GEAR_TR_NOOP("drawing", "Шестерня")),
             words(GEAR_TR_NOOP("drawing", "Колесо"))},
            {words(kModule), "m", dimensionValue(v.m, sep), dimensionValue(v.m, sep)},
            {words(kTeeth), "z", text(v.Z1, sep), text(v.Z2, sep)},
            {words(kHelixAngle), "β", text(v.beta, sep) + "°", text(v.beta, sep) + "°"},
            {words(kPitchDiameter), "d", dimensionValue(v.d, sep), dimensionValue(v.d2, sep)},
            {words(GEAR_TR_NOOP("drawing", "Межосевое расстояние")), "aw", dimensionValue(v.aw, sep),
             dimensionValue(v.aw, sep)}};
}

// The wheel's outlines, drawn from line `first` on, edge by edge: hidden
// where they lie behind the pinion's teeth in the mesh.
void hideBehindPinion(Drawing& d, size_t first)
{
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
}

// Widths above and below, the pinion's diameters on the right and the
// wheel's on the left, and the centre distance.
std::vector<Outside> pairDimensions(const Gear& pinion, const Gear& wheel, const Quantities& v, double aw,
                                    const Box& all, double scale)
{
    const double tip1 = pinion.bw / 2 - std::min(pinion.chamfer, 0.45 * pinion.bw);
    const double tip2 = wheel.bw / 2 - std::min(wheel.chamfer, 0.45 * wheel.bw);
    const double over = kCentreOvershoot * scale;
    const double axisEnd = std::max(pinion.halfLength(), wheel.halfLength()) + over;
    return {
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
    };
}

void drawPair(Drawing& d, Layout& lay, const Gear& pinion, const Gear& wheel, const Quantities& v)
{
    const double aw = positiveOr(v.aw, pinion.rPitch + wheel.rPitch);
    const Box top = drawSection(d, lay, pinion, {0, 0}, true).box;
    // The wheel's teeth behind the pinion's in the mesh are hidden.
    const size_t first = d.lines.size();
    const Box bottom = drawSection(d, lay, wheel, {0, aw}, false).box;
    hideBehindPinion(d, first);
    Box all = top;
    all.include(bottom);
    lay.outside(pairDimensions(pinion, wheel, v, aw, all, lay.s()));
}

} // namespace

} // namespace detail

Drawing wheelDrawing(const Quantities& v, WheelDesign design, const DrawingTarget& target)
{
    const detail::Gear g = detail::wheelGear(v, design);
    detail::Subject subject;
    subject.title = translated(target.translate, "drawing",
                               design == WheelDesign::Spoked ? GEAR_TR_NOOP("drawing", "Колесо зубчатое литое")
                                                             : GEAR_TR_NOOP("drawing", "Колесо зубчатое"));
    subject.table = detail::wheelTable(v, target);
    subject.draw = [&g, &v, design](Drawing& d, detail::Layout& lay) { detail::drawWheel(d, lay, g, v, design); };
    return detail::fitted(subject, target);
}

Drawing transmissionDrawing(const Quantities& v, WheelDesign design, const DrawingTarget& target)
{
    const detail::Gear pinion = detail::pairGear(v.da, v.d, v.df, v.bw1, v.m, design);
    const detail::Gear wheel = detail::pairGear(v.da2, v.d2, v.df2, detail::positiveOr(v.bw2, v.bw1), v.m, design);
    detail::Subject subject;
    subject.title =
        translated(target.translate, "drawing", GEAR_TR_NOOP("drawing", "Передача зубчатая цилиндрическая"));
    subject.table = detail::pairTable(v, target);
    subject.draw = [&pinion, &wheel, &v](Drawing& d, detail::Layout& lay) {
        detail::drawPair(d, lay, pinion, wheel, v);
    };
    return detail::fitted(subject, target);
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
