// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_drawing.h"

#include "geometry/annotation_layout.h"
#include "geometry/drawing_sheet.h"
#include "geometry/gear_outline.h"
#include "geometry/module_choice.h"
#include "geometry/section_view.h"
#include "shell/number_text.h"

#include <algorithm>
#include <cmath>
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

// The rows of the table of a gear's parameters (ГОСТ 2.403): the data to
// cut the teeth by, then the pitch diameter for reference.
constexpr std::string_view kModule = GEAR_TR_NOOP("drawing", "Модуль");
constexpr std::string_view kTeeth = GEAR_TR_NOOP("drawing", "Число зубьев");
constexpr std::string_view kToothType = GEAR_TR_NOOP("drawing", "Тип зуба");
constexpr std::string_view kHelixAngle = GEAR_TR_NOOP("drawing", "Угол наклона зуба");
constexpr std::string_view kDirection = GEAR_TR_NOOP("drawing", "Направление линии зуба");
constexpr std::string_view kRack = GEAR_TR_NOOP("drawing", "Нормальный исходный контур");
constexpr std::string_view kShift = GEAR_TR_NOOP("drawing", "Коэффициент смещения");
constexpr std::string_view kAccuracy = GEAR_TR_NOOP("drawing", "Степень точности по ГОСТ 1643-81");
constexpr std::string_view kPitchDiameter = GEAR_TR_NOOP("drawing", "Делительный диаметр");
// The course's grade where no speed tells a finer one.
constexpr std::string_view kDefaultAccuracy = "8-B";

std::string text(Number value, const std::string& separator)
{
    return numberToText(value, separator);
}

struct Toothing {
    std::string type;
    std::string direction;
};

// Spur or helical, and the hand of a helical tooth line.
Toothing toothing(double beta, bool leftHand, const DrawingTarget& target)
{
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    if (!(std::abs(beta) > 0))
        return {words(GEAR_TR_NOOP("drawing", "Прямой")), "—"};
    return {words(GEAR_TR_NOOP("drawing", "Косой")),
            leftHand ? words(GEAR_TR_NOOP("drawing", "Левое")) : words(GEAR_TR_NOOP("drawing", "Правое"))};
}

std::string accuracyOf(const DrawingTarget& target)
{
    return target.title.accuracy.empty() ? std::string(kDefaultAccuracy) : target.title.accuracy;
}

// The table of one gear, or of the pair with a column each; the hands of
// the pair's teeth are opposite.
std::vector<std::vector<std::string>> gearTable(const std::vector<std::pair<Number, Number>>& gears,
                                                const Quantities& v, const DrawingTarget& target, bool withHead)
{
    const auto words = [&](std::string_view source) { return translated(target.translate, "drawing", source); };
    const std::string& sep = target.decimalSeparator;
    std::vector<std::vector<std::string>> rows;
    if (withHead) {
        rows.push_back({words(GEAR_TR_NOOP("drawing", "Параметр")), "", words(GEAR_TR_NOOP("drawing", "Шестерня")),
                        words(GEAR_TR_NOOP("drawing", "Колесо"))});
    }
    auto row = [&](std::string_view name, std::string symbol, auto value) {
        std::vector<std::string> r{words(name), std::move(symbol)};
        for (size_t i = 0; i < gears.size(); ++i)
            r.push_back(value(i));
        rows.push_back(std::move(r));
    };
    row(kModule, "m", [&](size_t) { return dimensionValue(v.m, sep); });
    row(kTeeth, "z", [&](size_t i) { return text(gears[i].first, sep); });
    row(kToothType, "—", [&](size_t i) { return toothing(v.beta, target.title.leftHand != (i == 1), target).type; });
    row(kHelixAngle, "β", [&](size_t) { return text(v.beta, sep) + "°"; });
    row(kDirection, "—",
        [&](size_t i) { return toothing(v.beta, target.title.leftHand != (i == 1), target).direction; });
    row(kRack, "—", [&](size_t) { return words(GEAR_TR_NOOP("drawing", "ГОСТ 13755-81")); });
    row(kShift, "x", [&](size_t) { return std::string("0"); });
    row(kAccuracy, "—", [&](size_t) { return accuracyOf(target); });
    row(kPitchDiameter, "d", [&](size_t i) { return dimensionValue(gears[i].second, sep); });
    return rows;
}

std::vector<std::vector<std::string>> wheelTable(const Quantities& v, const DrawingTarget& target)
{
    return gearTable({{v.Z1, v.d}}, v, target, false);
}

std::vector<std::vector<std::string>> pairTable(const Quantities& v, const DrawingTarget& target)
{
    return gearTable({{v.Z1, v.d}, {v.Z2, v.d2}}, v, target, true);
}

// The technical requirements of a working drawing (ГОСТ 2.316): the
// hardness of the teeth, the tolerances and the radii and chamfers not
// shown, and why the accuracy grade is the one it is.
std::vector<std::string> requirements(const DrawingTarget& target)
{
    const auto words = [&](std::string_view source) {
        return translated(target.translate, "drawing requirement", source);
    };
    std::vector<std::string> lines;
    if (!target.title.hardness.empty())
        lines.push_back(fillPlaceholders(words(GEAR_TR_NOOP("drawing requirement", "Твёрдость зубьев %1.")),
                                         {target.title.hardness}));
    lines.push_back(
        words(GEAR_TR_NOOP("drawing requirement", "Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2.")));
    lines.push_back(words(GEAR_TR_NOOP("drawing requirement", "Неуказанные радиусы скруглений 1,6 мм, фаски 1×45°.")));
    if (target.title.accuracy.empty())
        lines.push_back(words(GEAR_TR_NOOP("drawing requirement",
                                           "Степень точности 8-B принята по умолчанию: частота вращения не задана.")));
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i] = std::to_string(i + 1) + ". " + lines[i];
    return lines;
}

// The surfaces' roughness, Ra µm (Чернавский; Дунаев–Леликов): flanks of
// teeth of the 8th grade and the bore of a fit 1,6; the hub's faces 3,2;
// the rest 6,3.
constexpr double kFlankRa = 1.6;
constexpr double kBoreRa = 1.6;
constexpr double kFaceRa = 3.2;
constexpr std::string_view kGeneralRa = "6,3";

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
    // The bore's fit and the keyway's of a normal key joint (ГОСТ 23360).
    lay.setTolerance(GEAR_TR_NOOP("symbol", "dв"), "H7");
    if (g.keyDepth > 0) {
        lay.setTolerance("b", "Js9");
        lay.setTolerance("dв + t2", "+" + dimensionValue(g.keyTolerance, lay.separator()));
    }
    const DrawnSection section = drawSection(d, lay, g, {0, 0}, true);
    lay.outside(wheelDimensions(g, v, design, section.box));
    if (g.holeOut > g.holeIn)
        lay.between("d0", static_cast<double>(v.d0),
                    {{{0, -g.holeOut}, {0, -g.holeIn}}, {{0, g.holeIn}, {0, g.holeOut}}});
    dimensionWeb(lay, g, v, design);
    wheelNotes(lay, g, v, section);
    if (lay.working()) {
        lay.roughness(kFlankRa, "Ra flanks", {0, -g.rPitch});
        if (g.rBore > 0)
            lay.roughness(kBoreRa, "Ra bore", {0, g.rBore});
        if (g.rHub > g.rBore && g.Lst > 0)
            lay.roughness(kFaceRa, "Ra faces", {g.Lst / 2, (g.rBore + g.rHub) / 2});
    }
    if (design == WheelDesign::Spoked) {
        const Box placed = d.extents();
        const Point front{placed.right + kViewGap * lay.s() + g.ra, 0};
        drawSpokedView(lay, g, front, v);
    } else if (g.keyDepth > 0 && lay.working()) {
        // The keyway in a view of the hub along the axis, beside the section.
        const Box placed = d.extents();
        drawKeyway(lay, g, {placed.right + kViewGap * lay.s() + g.rHub, 0}, false);
    }
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
    subject.requirements = detail::requirements(target);
    subject.roughness = "Ra " + std::string(detail::kGeneralRa);
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
    subject.requirements = detail::requirements(target);
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
    // The steel and the hardness of the teeth the mode's chain chose, where
    // the sheet is not told otherwise.
    DrawingTarget sheet = target;
    if (sheet.title.material.empty())
        sheet.title.material = kept->steelGrade;
    const Material& material = state.materials[static_cast<size_t>(mode)];
    if (sheet.title.hardness.empty() && (material.isHB || material.isHRC) && static_cast<double>(material.H2) > 0)
        sheet.title.hardness = numberToText(material.H2, target.decimalSeparator) + (material.isHRC ? " HRC" : " HB");
    if (mode == Mode::Wheel)
        return wheelDrawing(v, wheelDesignOf(v.da), sheet);
    return transmissionDrawing(v, transmissionDesignOf(v.da), sheet);
}

} // namespace gear
