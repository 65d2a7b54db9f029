// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/conclusions.h"
#include "geometry/annotation_layout.h"
#include "geometry/drawing_rules.h"
#include "geometry/dxf_writer.h"
#include "geometry/gear_outline.h"
#include "geometry/module_choice.h"
#include "geometry/svg_writer.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "strength/transmission_design.h"

#include "design_states.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <regex>
#include <sstream>
#include <string_view>
#include <vector>

namespace gear {
namespace {

struct ValueCase {
    double mm;
    const char* separator;
    const char* text;
};

class DimensionValue : public testing::TestWithParam<ValueCase> {};

TEST_P(DimensionValue, RoundsToAHundredthHalfUpWithoutTrailingZeros)
{
    EXPECT_EQ(dimensionValue(GetParam().mm, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, DimensionValue,
                         testing::Values(ValueCase{93.75, ",", "93,75"}, ValueCase{12.625, ",", "12,63"},
                                         ValueCase{1.005, ".", "1.01"}, ValueCase{99.995, ",", "100"}, ValueCase{1.996, ",", "2"},
                                         ValueCase{6.3125, ",", "6,31"}, ValueCase{40, ",", "40"},
                                         ValueCase{0.5, ",", "0,5"}, ValueCase{-0.004, ",", "0"},
                                         ValueCase{-2.345, ".", "-2.35"}, ValueCase{4000, ",", "4000"}));

// The checks below, and the layout itself, stand on these two tests of
// lines; a fault in them would pass every legibility check unseen.
struct CrossCase {
    const char* name;
    Segment a;
    Segment b;
    double margin;
    bool crosses;
};

class SegmentsCross : public testing::TestWithParam<CrossCase> {};

TEST_P(SegmentsCross, CountsOnlyMeetingsAwayFromTheEnds)
{
    const CrossCase& c = GetParam();
    EXPECT_EQ(segmentsCross(c.a, c.b, c.margin), c.crosses);
}

std::string crossName(const testing::TestParamInfo<CrossCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SegmentsCross,
    testing::Values(CrossCase{"Perpendicular", {{0, 0}, {10, 0}}, {{5, -5}, {5, 5}}, 0, true},
                    CrossCase{"Parallel", {{0, 0}, {10, 0}}, {{0, 1}, {10, 1}}, 0, false},
                    CrossCase{"MissingBeyondTheEnd", {{0, 0}, {10, 0}}, {{11, -5}, {11, 5}}, 0, false},
                    CrossCase{"MeetingAtItsEndWithinTheMargin", {{0, 0}, {10, 0}}, {{10, -5}, {10, 5}}, 0.5, false},
                    CrossCase{"TouchingItsMiddle", {{0, 0}, {10, 0}}, {{5, 0}, {5, 5}}, 0.5, true},
                    CrossCase{"OverlappingOnOneLine", {{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}, 1, true},
                    CrossCase{"EndToEndOnOneLine", {{0, 0}, {10, 0}}, {{10, 0}, {20, 0}}, 0.1, false},
                    CrossCase{"Oblique", {{0, 0}, {10, 10}}, {{0, 10}, {10, 0}}, 0, true},
                    CrossCase{"ObliqueApart", {{0, 0}, {4, 4}}, {{0, 10}, {10, 0}}, 0, false}),
    crossName);

struct BoxCase {
    const char* name;
    Segment s;
    bool crosses;
};

class SegmentThroughBox : public testing::TestWithParam<BoxCase> {};

TEST_P(SegmentThroughBox, CountsOnlyTheInside)
{
    const Box box{0, 0, 10, 4};
    EXPECT_EQ(segmentCrossesBox(GetParam().s, box), GetParam().crosses);
}

std::string boxName(const testing::TestParamInfo<BoxCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Boxes, SegmentThroughBox,
                         testing::Values(BoxCase{"Across", {{-5, 2}, {15, 2}}, true},
                                         BoxCase{"EndingInside", {{-5, 2}, {5, 2}}, true},
                                         BoxCase{"AlongAnEdge", {{-5, 0}, {15, 0}}, false},
                                         BoxCase{"Above", {{-5, -1}, {15, -1}}, false},
                                         BoxCase{"CuttingACorner", {{8, -1}, {11, 2}}, true},
                                         BoxCase{"PassingACorner", {{9, -2}, {12, 1}}, false}),
                         boxName);

TEST(TextWidth, ALetterCutShortIsMeasuredWithoutReadingPastTheText)
{
    // "dст" cut inside its last two-byte letter, in a buffer of its exact
    // size, so that a read past the end is one the sanitizers see.
    const std::string whole = "dст";
    const std::vector<char> cut(whole.begin(), whole.end() - 1);
    EXPECT_GT(textWidth(std::string_view(cut.data(), cut.size()), 10), textWidth("dс", 10));
}

TEST(Hatching, FillsASectionEvenlyAndKeepsInsideIt)
{
    // A square with a square hole: the lines' length times their spacing
    // is the area hatched.
    const std::vector<std::vector<Point>> ring{{{0, 0}, {20, 0}, {20, 20}, {0, 20}},
                                               {{5, 5}, {15, 5}, {15, 15}, {5, 15}}};
    for (bool rising : {true, false}) {
        const std::vector<Segment> lines = hatchLines(ring, 1.0, rising);
        double length = 0;
        for (const Segment& l : lines) {
            length += std::hypot(l.b.x - l.a.x, l.b.y - l.a.y);
            const Point middle{(l.a.x + l.b.x) / 2, (l.a.y + l.b.y) / 2};
            EXPECT_TRUE(pointInContours(middle, ring));
            // At 45°, rising to the right (y downwards) or falling.
            EXPECT_NEAR((l.b.y - l.a.y) / (l.b.x - l.a.x), rising ? -1.0 : 1.0, 1e-9);
        }
        EXPECT_NEAR(length * 1.0, 400 - 100, 6);
    }
    // A spacing far too fine for the size: the lines stay countable.
    const std::vector<std::vector<Point>> huge{{{0, 0}, {1e9, 0}, {1e9, 1e9}, {0, 1e9}}};
    const std::vector<Segment> lines = hatchLines(huge, 1.0, true);
    EXPECT_GT(lines.size(), 1000U);
    EXPECT_LE(lines.size(), 10000U);
}

// A wheel of the wheel mode through its screens' Oks: Z = 40, dв and bw as
// given, the module the tip diameter gives, to two decimals.
CalcState wheel(double da, double bw, double dv)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    const auto text = [](double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", v);
        return std::string(buffer);
    };
    EXPECT_FALSE(enterWheel(s, {"40", "", text(dv), text(da), text(bw), "40"}).refused());
    EXPECT_FALSE(chooseModule(s, text(std::round(da / 42 * 100) / 100), "").refused());
    return s;
}

CalcState designedPair()
{
    CalcState s = hardenedPair(950, 950);
    EXPECT_FALSE(designTransmission(s, {"20", "", "100", "4.0"}).refused());
    EXPECT_FALSE(chooseModule(s, "2.5", "").refused());
    EXPECT_FALSE(chooseFinalSteel(s, 21).refused());
    return s;
}

DrawingTarget paper()
{
    return DrawingTarget{};
}

// The field each symbol of a wheel's drawing dimensions.
const std::map<std::string, Number Quantities::*>& wheelFields()
{
    static const std::map<std::string, Number Quantities::*> fields{
        {"da", &Quantities::da},      {"bw", &Quantities::bw1},   {"Lст", &Quantities::LstStd},
        {"dст", &Quantities::dstStd}, {"dв", &Quantities::dvStd}, {"Dк", &Quantities::Dk},
        {"D0", &Quantities::D0},      {"d0", &Quantities::d0},    {"δ0", &Quantities::Delta0},
        {"S", &Quantities::Delta0},   {"c", &Quantities::C},      {"C", &Quantities::C},
        {"L", &Quantities::L},        {"R", &Quantities::R}};
    return fields;
}

struct WorkedWheel {
    const char* name;
    double da;
    WheelDesign design;
    std::vector<std::string> symbols;
    const char* scale;
    const char* sheet;
};

std::string nameOf(const testing::TestParamInfo<WorkedWheel>& info)
{
    return info.param.name;
}

class WorkedWheelDrawing : public testing::TestWithParam<WorkedWheel> {};

// A working drawing writes a diameter ⌀30, a radius R6, a length 20, the
// bore with its fit.
std::string workingText(const std::string& symbol, double value)
{
    static const std::map<std::string, std::string> written{{"da", "⌀%"}, {"dст", "⌀%"}, {"dв", "⌀%H7"}, {"Dк", "⌀%"},
                                                            {"D0", "⌀%"}, {"d0", "⌀%"},  {"R", "R%"}};
    const auto it = written.find(symbol);
    std::string text = it == written.end() ? "%" : it->second;
    return text.replace(text.find('%'), 1, dimensionValue(value, ","));
}

TEST_P(WorkedWheelDrawing, CarriesEveryDimensionWithTheStatesNumberAtTrueSize)
{
    const WorkedWheel& c = GetParam();
    const CalcState s = wheel(c.da, 20, 30);
    const Quantities& kept = s.results[static_cast<size_t>(Mode::Wheel)]->values;
    const std::optional<Drawing> d = modeDrawing(s, Mode::Wheel, paper());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->scaleText, c.scale);
    EXPECT_EQ(d->sheetName, c.sheet);
    for (const std::string& symbol : c.symbols) {
        const Annotation* a = d->find(symbol);
        ASSERT_NE(a, nullptr) << symbol;
        ASSERT_TRUE(a->value) << symbol;
        const double state = kept.*wheelFields().at(symbol);
        EXPECT_DOUBLE_EQ(*a->value, state) << symbol;
        EXPECT_EQ(a->text.content, workingText(symbol, state)) << symbol;
        // Drawn to scale: what the dimension measures is its number, except
        // a fillet's radius, which points at the fillet.
        if (a->measured.size() == 2) {
            EXPECT_NEAR(std::hypot(a->measured[1].x - a->measured[0].x, a->measured[1].y - a->measured[0].y), state,
                        1e-9)
                << symbol;
        }
    }
    // And no dimension of another design: a spoked wheel has no Dк.
    for (const Annotation& a : d->annotations) {
        if (wheelFields().count(a.symbol))
            EXPECT_NE(std::find(c.symbols.begin(), c.symbols.end(), a.symbol), c.symbols.end()) << a.symbol;
    }
    // The section is the wheel's own size: da high, the hub, the rim or the
    // disc wide.
    Box section = Box::empty();
    const double widest = std::max<double>({kept.bw1, kept.LstStd, kept.C});
    for (const Polyline& line : d->lines) {
        // Beside the section, the views along the axis.
        if (line.layer == Layer::Outline && line.closed && line.points.front().x < widest)
            for (Point p : line.points)
                section.include(p);
    }
    EXPECT_NEAR(section.height(), kept.da, 1e-9);
    EXPECT_NEAR(section.width(), std::max<double>({kept.bw1, kept.LstStd, kept.C}), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    CourseExamples, WorkedWheelDrawing,
    testing::Values(
        WorkedWheel{"Solid105", 105, WheelDesign::Solid, {"da", "bw", "Lст", "dст", "dв", "S", "C"}, "1:1", "A3"},
        WorkedWheel{"Disc420",
                    420,
                    WheelDesign::Disc,
                    {"da", "bw", "Lст", "dст", "dв", "Dк", "D0", "d0", "δ0", "c"},
                    "1:2",
                    "A3"},
        WorkedWheel{
            "Spoked840", 840, WheelDesign::Spoked, {"da", "bw", "Lст", "dст", "dв", "δ0", "c", "L", "R"}, "1:5", "A3"}),
    nameOf);

TEST(TransmissionDrawing, CarriesThePinionsAndTheWheelsMainDimensions)
{
    const CalcState s = designedPair();
    const std::optional<Drawing> d = modeDrawing(s, Mode::Transmission, paper());
    ASSERT_TRUE(d);
    const std::vector<std::pair<const char*, double>> expected{{"da1", 55},     {"d1", 50},   {"df1", 43.75},
                                                               {"bw1", 25},     {"da2", 205}, {"d2", 200},
                                                               {"df2", 193.75}, {"bw2", 25},  {"aw", 125}};
    for (const auto& [symbol, value] : expected) {
        const Annotation* a = d->find(symbol);
        ASSERT_NE(a, nullptr) << symbol;
        EXPECT_DOUBLE_EQ(*a->value, value) << symbol;
        ASSERT_EQ(a->measured.size(), 2U) << symbol;
        EXPECT_NEAR(std::hypot(a->measured[1].x - a->measured[0].x, a->measured[1].y - a->measured[0].y), value, 1e-9)
            << symbol;
    }
    // The tips, roots and widths are measured between points of the gears
    // drawn: their corners, past the chamfers, seen or hidden.
    const auto offOutline = [&](Point p) {
        double nearest = std::numeric_limits<double>::infinity();
        const auto segment = [&](Point a, Point b) {
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double t =
                std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / std::max(dx * dx + dy * dy, 1e-300), 0.0, 1.0);
            nearest = std::min(nearest, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
        };
        for (const Polyline& line : d->lines) {
            if (line.layer != Layer::Outline && line.layer != Layer::Hidden)
                continue;
            for (size_t i = 0; i + 1 < line.points.size(); ++i)
                segment(line.points[i], line.points[i + 1]);
        }
        for (const Section& section : d->sections) {
            for (const std::vector<Point>& contour : section.contours) {
                for (size_t i = 0; i < contour.size(); ++i)
                    segment(contour[i], contour[(i + 1) % contour.size()]);
            }
        }
        return nearest;
    };
    for (const char* symbol : {"da1", "da2", "df1", "df2", "bw1", "bw2"}) {
        for (const Point& p : d->find(symbol)->measured)
            EXPECT_LT(offOutline(p), 1e-6) << symbol << " at " << p.x << ", " << p.y;
    }
    // The wheel's tip behind the pinion's teeth in the mesh is hidden.
    bool hidden = false;
    for (const Polyline& line : d->lines)
        hidden = hidden || line.layer == Layer::Hidden;
    EXPECT_TRUE(hidden);
    EXPECT_EQ(d->find("da1")->text.content, "⌀55");
    EXPECT_EQ(d->find("df2")->text.content, "⌀193,75");
}

struct DesignCase {
    double da;
    WheelDesign wheel;
    WheelDesign pair;
};

class DesignBounds : public testing::TestWithParam<DesignCase> {};

// The wheel mode opens vivod2 from 250 mm on, the pair's drawing keeps the
// solid wheel up to 250 mm inclusive: each drawing follows its own screen.
TEST_P(DesignBounds, FollowTheScreenThatShowsTheDrawing)
{
    EXPECT_EQ(wheelDesignOf(GetParam().da), GetParam().wheel);
    EXPECT_EQ(transmissionDesignOf(GetParam().da), GetParam().pair);
}

INSTANTIATE_TEST_SUITE_P(TipDiameters, DesignBounds,
                         testing::Values(DesignCase{249.9, WheelDesign::Solid, WheelDesign::Solid},
                                         DesignCase{250, WheelDesign::Disc, WheelDesign::Solid},
                                         DesignCase{600, WheelDesign::Disc, WheelDesign::Disc},
                                         DesignCase{600.5, WheelDesign::Spoked, WheelDesign::Spoked}));

TEST(ModeDrawing, FollowsTheKeptResultsNotTheSharedFields)
{
    CalcState s = wheel(105, 20, 30);
    const std::optional<Drawing> before = modeDrawing(s, Mode::Wheel, paper());
    s.da = 999; // a later pass of another mode writes the shared fields
    const std::optional<Drawing> after = modeDrawing(s, Mode::Wheel, paper());
    ASSERT_TRUE(before && after);
    EXPECT_EQ(after->find("da")->text.content, "⌀105");
    EXPECT_FALSE(modeDrawing(startUpState(), Mode::Wheel, paper()));
    EXPECT_FALSE(modeDrawing(s, Mode::Check, paper()));
}

// Legibility, checked on the drawing as data whatever the layout did.
struct Shape {
    const char* name;
    double da;
    double bw;
    double dv;
    DrawingTarget target;
};

std::string shapeName(const testing::TestParamInfo<Shape>& info)
{
    return info.param.name;
}

std::vector<Segment> outlineSegments(const Drawing& d)
{
    std::vector<Segment> out;
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Outline && l.layer != Layer::Hidden)
            continue;
        for (size_t i = 0; i + 1 < l.points.size(); ++i)
            out.push_back({l.points[i], l.points[i + 1]});
        if (l.closed)
            out.push_back({l.points.back(), l.points.front()});
    }
    for (const Circle& c : d.circles) {
        if (c.layer != Layer::Outline)
            continue;
        for (int k = 0; k < 64; ++k) {
            const double a0 = 2 * M_PI * k / 64;
            const double a1 = 2 * M_PI * (k + 1) / 64;
            out.push_back({{c.centre.x + c.radius * std::cos(a0), c.centre.y + c.radius * std::sin(a0)},
                           {c.centre.x + c.radius * std::cos(a1), c.centre.y + c.radius * std::sin(a1)}});
        }
    }
    return out;
}

void expectLegible(const Drawing& d)
{
    std::vector<std::pair<std::string, Box>> texts;
    for (const Annotation& a : d.annotations)
        texts.emplace_back(a.text.content, a.text.box());
    for (const Text& t : d.texts)
        texts.emplace_back(t.content, t.box());
    // Every text on the sheet and as large as the sheet asks.
    for (const Annotation& a : d.annotations) {
        EXPECT_TRUE(d.sheet.contains(a.text.box())) << a.text.content;
        EXPECT_GE(a.text.height / d.scale, kTextHeight - 1e-9) << a.text.content;
    }
    // The title block's captions and a squeezed table cell may go down to
    // 2,5 mm; every size one of ГОСТ 2.304.
    for (const Text& t : d.texts) {
        EXPECT_TRUE(d.sheet.contains(t.box())) << t.content;
        EXPECT_GE(t.height / d.scale, kCaptionFont - 1e-9) << t.content;
        EXPECT_TRUE(isStandardFontSize(std::round(t.height / d.scale * 1000) / 1000)) << t.content;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].second.overlaps(texts[j].second)) << texts[i].first << " / " << texts[j].first;
    }
    const std::vector<Segment> outline = outlineSegments(d);
    const double tiny = 0.05 * d.scale;
    for (const Annotation& a : d.annotations) {
        // No text on the part or on a line of another dimension.
        for (const Segment& s : outline)
            EXPECT_FALSE(segmentCrossesBox(s, a.text.box()))
                << a.text.content << " on the outline " << s.a.x << "," << s.a.y << " " << s.b.x << "," << s.b.y;
        for (const Annotation& other : d.annotations) {
            if (&other == &a)
                continue;
            for (const Segment& s : other.lines)
                EXPECT_FALSE(segmentCrossesBox(s, a.text.box())) << a.text.content << " on a line of " << other.symbol;
            // Dimension lines cross neither one another nor the part.
            if (a.dimensionLine && other.dimensionLine) {
                EXPECT_FALSE(segmentsCross(*a.dimensionLine, *other.dimensionLine, tiny))
                    << a.symbol << " crosses " << other.symbol;
            }
        }
        if (a.dimensionLine) {
            for (const Segment& s : outline)
                EXPECT_FALSE(segmentsCross(*a.dimensionLine, s, tiny)) << a.symbol << " crosses the outline";
        }
    }
}

class Legibility : public testing::TestWithParam<Shape> {};

double distance(Point a, Point b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

// From p to the straight line through `line`.
double offLine(Point p, const Segment& line)
{
    const double span = distance(line.a, line.b);
    return std::abs((line.b.x - line.a.x) * (p.y - line.a.y) - (line.b.y - line.a.y) * (p.x - line.a.x)) / span;
}

// From p to the nearest point of the segment.
double offSegment(Point p, const Segment& s)
{
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double dd = dx * dx + dy * dy;
    const double t = dd > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / dd, 0.0, 1.0) : 0.0;
    return distance(p, {s.a.x + t * dx, s.a.y + t * dy});
}

// What a reader takes for granted: arrows at the ends of their line and
// pointing along it, the line drawn the whole way, the text beside its line,
// centre lines that are lines, and a front view's axes reaching past it.
void expectWellDrawn(const Drawing& d)
{
    const double sheetMm = d.scale;
    for (const Annotation& a : d.annotations) {
        if (!a.dimensionLine)
            continue;
        const Segment line = *a.dimensionLine;
        ASSERT_EQ(a.arrows.size(), 2U) << a.symbol;
        std::vector<double> heads;
        for (const std::array<Point, 3>& arrow : a.arrows) {
            const Point tip = arrow[0];
            EXPECT_LT(std::min(distance(tip, line.a), distance(tip, line.b)), 1e-9 * sheetMm) << a.symbol;
            const Point base{(arrow[1].x + arrow[2].x) / 2, (arrow[1].y + arrow[2].y) / 2};
            EXPECT_LT(offLine(base, line), 1e-6 * sheetMm) << a.symbol << ": an arrow across its line";
            EXPECT_NEAR(distance(arrow[1], base), distance(arrow[2], base), 1e-6 * sheetMm) << a.symbol;
            heads.push_back(distance(tip, base) / sheetMm);
        }
        EXPECT_NEAR(heads[0], heads[1], 1e-9) << a.symbol;
        EXPECT_TRUE(heads[0] > 1.5 && heads[0] < 6) << a.symbol << ": arrows of " << heads[0] << " mm";
        // Each arrowhead sits on the drawn line: outside arrows on the line
        // carried on past the ends.
        for (const std::array<Point, 3>& arrow : a.arrows) {
            const Point base{(arrow[1].x + arrow[2].x) / 2, (arrow[1].y + arrow[2].y) / 2};
            bool onLine = false;
            for (const Segment& s : a.lines)
                onLine = onLine || distance(s.a, base) + distance(base, s.b) <= distance(s.a, s.b) + 1e-6 * sheetMm;
            EXPECT_TRUE(onLine) << a.symbol << ": an arrowhead off its line";
        }
        bool drawn = false;
        for (const Segment& s : a.lines) {
            if (offLine(s.a, line) < 1e-6 * sheetMm && offLine(s.b, line) < 1e-6 * sheetMm) {
                const double along = distance(s.a, s.b);
                drawn = drawn ||
                        (distance(s.a, line.a) + distance(line.a, line.b) + distance(line.b, s.b) <=
                         along + 1e-6 * sheetMm) ||
                        (distance(s.a, line.b) + distance(line.b, line.a) + distance(line.a, s.b) <=
                         along + 1e-6 * sheetMm);
            }
        }
        EXPECT_TRUE(drawn) << a.symbol << ": its line is not drawn from arrow to arrow";
        if (!a.leader) {
            const double beside = offLine(a.text.centre, line) / a.text.height;
            EXPECT_TRUE(beside > 0.5 && beside < 1.5) << a.symbol << ": its text stands " << beside << " heights off";
        }
    }
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Centre)
            continue;
        double length = 0;
        for (size_t i = 0; i + 1 < l.points.size(); ++i)
            length += distance(l.points[i], l.points[i + 1]);
        EXPECT_GT(length / sheetMm, 4.0) << "a centre line of " << length / sheetMm << " mm";
    }
    // A centre line runs past the part: each end stands clear of the outline.
    const std::vector<Segment> outline = outlineSegments(d);
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Centre || l.points.size() < 2)
            continue;
        for (const Point end : {l.points.front(), l.points.back()}) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Segment& s : outline)
                nearest = std::min(nearest, offSegment(end, s));
            EXPECT_GT(nearest / sheetMm, 2.0) << "a centre line ends " << nearest / sheetMm << " mm from the part";
        }
    }
    // A note's arrow touches what it names, a line of the part: a fillet's
    // arc, a chamfer, a rib.
    std::vector<Segment> partLines = outline;
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Thin)
            continue;
        for (size_t i = 0; i + 1 < l.points.size(); ++i)
            partLines.push_back({l.points[i], l.points[i + 1]});
    }
    // The roughness of the flanks stands on the pitch line (ГОСТ 2.309).
    std::vector<Segment> pitchLines;
    for (const Polyline& l : d.lines) {
        if (l.layer == Layer::Centre && l.points.size() == 2)
            pitchLines.push_back({l.points[0], l.points[1]});
    }
    for (const Annotation& a : d.annotations) {
        if (a.dimensionLine || a.arrows.empty())
            continue;
        const Point tip = a.arrows.front()[0];
        double nearest = std::numeric_limits<double>::infinity();
        for (const Segment& s : a.symbol == "Ra flanks" ? pitchLines : partLines)
            nearest = std::min(nearest, offSegment(tip, s));
        EXPECT_LT(nearest / sheetMm, 0.1) << a.symbol << ": its arrow stands " << nearest / sheetMm << " mm off";
    }
    // The tip circle of a front view has its two axes, each past the circle.
    const Circle* tip = nullptr;
    for (const Circle& c : d.circles) {
        if (c.layer == Layer::Outline && (!tip || c.radius > tip->radius))
            tip = &c;
    }
    if (tip) {
        int axes = 0;
        for (const Polyline& l : d.lines) {
            if (l.layer != Layer::Centre || l.points.size() != 2)
                continue;
            const Segment axis{l.points[0], l.points[1]};
            if (offLine(tip->centre, axis) > 1e-6 * sheetMm)
                continue;
            const double reach = std::min(distance(tip->centre, axis.a), distance(tip->centre, axis.b));
            if (reach > tip->radius + 1.0 * sheetMm && reach < tip->radius + 15 * sheetMm)
                ++axes;
        }
        EXPECT_GE(axes, 2) << "the front view's axes";
    }
}

TEST_P(Legibility, NoTextOverlapsAndNoDimensionCrossesAnother)
{
    const Shape& shape = GetParam();
    const CalcState s = wheel(shape.da, shape.bw, shape.dv);
    const std::optional<Drawing> d = modeDrawing(s, Mode::Wheel, shape.target);
    ASSERT_TRUE(d);
    expectLegible(*d);
    expectWellDrawn(*d);
    EXPECT_GE(d->annotations.size(), 7U);
    // On a screen nothing, the scale's line included, comes nearer the
    // area's edge than 2 mm of the screen.
    if (!shape.target.paper) {
        const Box drawn = d->extents();
        const double margin = 2 * d->scale * (1 - 1e-9);
        EXPECT_GE(drawn.left - d->sheet.left, margin);
        EXPECT_GE(d->sheet.right - drawn.right, margin);
        EXPECT_GE(drawn.top - d->sheet.top, margin);
        EXPECT_GE(d->sheet.bottom - drawn.bottom, margin);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wheels, Legibility,
    testing::Values(Shape{"Worked105OnPaper", 105, 20, 30, paper()}, Shape{"Worked420OnPaper", 420, 20, 30, paper()},
                    Shape{"Worked840OnPaper", 840, 20, 30, paper()},
                    Shape{"Worked105OnScreen", 105, 20, 30, screenArea(106, 116)},
                    Shape{"Worked420OnScreen", 420, 20, 30, screenArea(122, 138)},
                    Shape{"Worked840OnScreen", 840, 20, 30, screenArea(200, 122)}, Shape{"Tiny20", 20, 5, 5, paper()},
                    Shape{"Tiny20Wide", 20, 20, 4, paper()}, Shape{"Huge4000Thin", 4000, 5, 30, paper()},
                    Shape{"Huge4000Wide", 4000, 500, 200, paper()}, Shape{"Wide500", 250, 500, 30, paper()},
                    Shape{"HubWiderThanRim", 105, 5, 40, paper()}, Shape{"HubOfAThickShaft", 300, 40, 100, paper()},
                    Shape{"Huge4000OnScreen", 4000, 5, 30, screenArea(200, 122)},
                    Shape{"Worked105OnScreenAtAStandardScale", 105, 20, 30, screenArea(106, 116, true)},
                    Shape{"Worked840OnScreenAtAStandardScale", 840, 20, 30, screenArea(200, 122, true)}),
    shapeName);

// Where there is room, a dimension stands on its line, not on a leader:
// the worked wheels on paper put every one of their dimensions so (the
// chamfers' and roughness notes are leaders by nature).
TEST(Legibility, DimensionsWithRoomStandOnTheirLines)
{
    for (double da : {105.0, 420.0}) {
        const std::optional<Drawing> d = modeDrawing(wheel(da, 20, 30), Mode::Wheel, paper());
        ASSERT_TRUE(d);
        for (const Annotation& a : d->annotations) {
            if (a.dimensionLine)
                EXPECT_FALSE(a.leader) << da << ' ' << a.text.content;
        }
    }
}

// A circle is crossed where a line meets it away from the line's ends:
// going out of it, coming in, or through; not by a line wholly inside or
// outside, nor at an end.
TEST(Legibility, ALineCrossesACircleWhereverItMeetsIt)
{
    detail::Obstacles circle;
    circle.addCircle({0, 0}, 10);
    const std::pair<Segment, bool> cases[] = {{{{0, 0}, {20, 0}}, true},     {{{20, 0}, {0, 0}}, true},
                                              {{{-20, 0}, {20, 0}}, true},   {{{-5, 0}, {5, 0}}, false},
                                              {{{11, 0}, {20, 0}}, false},   {{{10, 0}, {20, 0}}, false},
                                              {{{-20, 11}, {20, 11}}, false}};
    for (const auto& [line, crossed] : cases)
        EXPECT_EQ(circle.crosses(line, 0.01), crossed)
            << line.a.x << ',' << line.a.y << " – " << line.b.x << ',' << line.b.y;
    // A text's box against a circle away from the origin: crossed where
    // the circle's line runs through the box.
    detail::Obstacles away;
    away.addCircle({30, 50}, 10);
    const std::pair<Box, bool> boxes[] = {
        {{28, 48, 32, 52}, false}, {{35, 45, 45, 55}, true}, {{50, 20, 60, 30}, false}, {{10, 30, 50, 70}, true}};
    for (const auto& [box, crossed] : boxes)
        EXPECT_EQ(away.crossesBox(box), crossed)
            << box.left << ',' << box.top << " – " << box.right << ',' << box.bottom;
}

// A dimension with no free place anywhere still stands, forced, at the
// nearest place; unforced it is left out and says so.
TEST(Legibility, ADimensionWithNoFreePlaceIsForcedToTheNearest)
{
    const Translator untranslated;
    for (const bool force : {true, false}) {
        Drawing d;
        detail::Layout lay(d, 1, ",", untranslated);
        lay.setWorking(true);
        lay.outline({{0, 0}, {20, 0}, {20, 10}, {0, 10}}, true);
        // A line through every place to the right of the part.
        lay.outline({{20, 5}, {1000, 5}}, false);
        const bool free = lay.outside("da", 10, {20, 0}, {20, 10}, detail::Side::Right, 20, force);
        SCOPED_TRACE(force ? "forced" : "not forced");
        EXPECT_FALSE(free);
        ASSERT_EQ(d.annotations.size(), force ? 1U : 0U);
        if (force) {
            ASSERT_TRUE(d.annotations[0].dimensionLine);
            EXPECT_DOUBLE_EQ(d.annotations[0].dimensionLine->a.x, 20 + kFirstDimensionOffset);
        }
    }
}

// A gear of a pair has a disc only where the room between its rim and its
// hub is at least twice the rim's thickness; with less it is drawn solid.
TEST(PairGears, HaveADiscOnlyWhereTheRimLeavesRoomForIt)
{
    int discs = 0;
    int solid = 0;
    for (double m : {1.0, 2.5, 8.0}) {
        for (int z = 17; z <= 200; ++z) {
            const double d = m * z;
            const detail::Gear g = detail::pairGear(d + 2 * m, d, d - 2.5 * m, 10 * m, m, WheelDesign::Disc);
            if (g.rRimIn == g.rHub) {
                ++solid;
                continue;
            }
            ++discs;
            EXPECT_GE(g.rRimIn - g.rHub, 2 * (g.rRoot - g.rRimIn) * (1 - 1e-9)) << "m " << m << ", z " << z;
        }
    }
    EXPECT_GT(discs, 0);
    EXPECT_GT(solid, 0);
}

// A corner rounded or cut by nothing (a solid wheel has no fillet) stays as
// it is: no points piled on the corner for the writers to draw.
TEST(PairGears, ACornerRoundedByNothingStaysACorner)
{
    for (const bool chamfer : {false, true}) {
        std::vector<Point> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        EXPECT_FALSE(detail::roundCorner(square, 1, 0, chamfer));
        EXPECT_EQ(square.size(), 4U);
        EXPECT_TRUE(detail::roundCorner(square, 1, 2, chamfer));
        EXPECT_GT(square.size(), 4U);
    }
}

// ГОСТ 2.309's sign of a surface machined: two legs 60° apart and the bar
// that closes the triangle, from the short leg's end to the long leg.
TEST(Legibility, RoughnessSignsAreClosedTriangles)
{
    using detail::length;
    using detail::operator-;
    const std::optional<Drawing> d = modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    ASSERT_TRUE(d);
    int signs = 0;
    for (const Annotation& a : d->annotations) {
        if (a.text.content.find("Ra ") == std::string::npos || a.lines.size() < 3)
            continue;
        ++signs;
        const Segment& shortLeg = a.lines[a.lines.size() - 3];
        const Segment& longLeg = a.lines[a.lines.size() - 2];
        const Segment& bar = a.lines.back();
        EXPECT_NEAR(length(bar.a - shortLeg.a), 0, 1e-9);
        const Point along = longLeg.b - longLeg.a;
        const Point to = bar.b - longLeg.a;
        EXPECT_NEAR(along.x * to.y - along.y * to.x, 0, 1e-9 * length(along) * length(along)) << "on the long leg";
        const Point shortDir = shortLeg.a - shortLeg.b; // from the tip, as the long leg
        const double cosine = (shortDir.x * along.x + shortDir.y * along.y) / (length(shortDir) * length(along));
        EXPECT_NEAR(std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi, 60, 1) << "legs 60° apart";
    }
    EXPECT_GE(signs, 3);
}

// A leader's arrow lies on the leader, its tip on what it points at and
// its back along the line toward the text.
TEST(Legibility, ALeadersArrowLiesOnItsLeader)
{
    using detail::length;
    using detail::operator-;
    const std::optional<Drawing> d = modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    ASSERT_TRUE(d);
    int leaders = 0;
    for (const Annotation& a : d->annotations) {
        if (a.dimensionLine || a.arrows.size() != 1)
            continue;
        const Point tip = a.arrows.front()[0];
        const Point back{(a.arrows.front()[1].x + a.arrows.front()[2].x) / 2,
                         (a.arrows.front()[1].y + a.arrows.front()[2].y) / 2};
        const auto onLeader = [&](const Segment& s) {
            const Point along = s.b - s.a;
            const Point to = back - s.a;
            const double t = (to.x * along.x + to.y * along.y) / (along.x * along.x + along.y * along.y);
            const bool fromTip = length(s.a - tip) < 1e-9 || length(s.b - tip) < 1e-9;
            return fromTip && std::abs(along.x * to.y - along.y * to.x) < 1e-6 * length(along) * length(along) &&
                   t > 0 && t < 1;
        };
        ++leaders;
        EXPECT_TRUE(std::any_of(a.lines.begin(), a.lines.end(), onLeader)) << a.text.content;
    }
    EXPECT_GE(leaders, 3);
}

// The roughness in the corner (ГОСТ 2.309): the mark of the surfaces not
// marked and the sign in brackets, each a √ whose short leg is as high as
// the text and whose long leg rises 1,5 to 5 times that.
TEST(Legibility, TheCornersRoughnessSignsStandUpright)
{
    const std::optional<Drawing> d = modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    ASSERT_TRUE(d);
    const double k = d->scale;
    const double h = kTextHeight * k;
    const double top = d->sheet.top + kFrameOther * k;
    const double tableLeft = d->sheet.right - (kFrameOther + 110) * k;
    std::vector<Segment> strokes;
    for (const Polyline& line : d->lines) {
        const bool inCorner =
            line.points.size() == 2 && std::all_of(line.points.begin(), line.points.end(), [&](Point p) {
                return p.y >= top && p.y <= top + 15 * k && p.x < tableLeft;
            });
        if (inCorner)
            strokes.push_back({line.points[0], line.points[1]});
    }
    // A tip: the lowest point of two strokes that both rise from it.
    int signs = 0;
    for (const Segment& a : strokes) {
        for (const Segment& b : strokes) {
            const auto rise = [](const Segment& s) { return std::abs(s.a.y - s.b.y); };
            const Point tipA = a.a.y > a.b.y ? a.a : a.b;
            const Point tipB = b.a.y > b.b.y ? b.a : b.b;
            if (&a == &b || std::hypot(tipA.x - tipB.x, tipA.y - tipB.y) > 1e-9 || rise(a) >= rise(b))
                continue;
            ++signs;
            EXPECT_NEAR(rise(a), h, 1e-6 * h) << "the short leg";
            EXPECT_NEAR(std::abs(a.a.x - a.b.x), h * std::tan(std::numbers::pi / 6), 1e-3 * h) << "60° to the level";
            EXPECT_GE(rise(b), 1.5 * h) << "the long leg";
            EXPECT_LE(rise(b), 5 * h) << "the long leg";
        }
    }
    EXPECT_EQ(signs, 2);
    // The rest are the bar of a surface cut and the shelf under Ra: level.
    int level = 0;
    for (const Segment& s : strokes) {
        const bool leg = std::abs(s.a.y - s.b.y) > 1e-9 * h;
        level += leg ? 0 : 1;
    }
    EXPECT_EQ(level, 2);
    EXPECT_EQ(strokes.size(), 6U);
}

// The bore's view with its keyway (ГОСТ 23360: b = 8, t2 = 3,3 for a 30 mm
// shaft) is one simple outline, the circle of the shaft and the slot over
// it: its area is theirs.
TEST(Legibility, TheBoresKeywayIsOneOutlineOverTheShaftsCircle)
{
    const std::optional<Drawing> d = modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    ASSERT_TRUE(d);
    int bores = 0;
    for (const Polyline& line : d->lines) {
        if (!line.closed || line.points.size() < 90)
            continue;
        ++bores;
        double twice = 0;
        for (size_t i = 0; i < line.points.size(); ++i) {
            const Point a = line.points[i];
            const Point b = line.points[(i + 1) % line.points.size()];
            twice += a.x * b.y - b.x * a.y;
        }
        // The circle less the cap the slot opens, and the slot from its
        // chord to t2 above the circle.
        const double r = 15, w = 4, t2 = 3.3;
        const double chord = std::sqrt(r * r - w * w);
        const double cap = r * r * std::acos(chord / r) - chord * w;
        const double expected = std::numbers::pi * r * r - cap + 2 * w * (r + t2 - chord);
        EXPECT_NEAR(std::abs(twice) / 2, expected, 1e-3 * expected);
    }
    EXPECT_GE(bores, 1);
}

// What a drawing covers holds every circle whole: the front view's tip
// circle decides where a sheet's margins fall.
TEST(Legibility, ExtentsHoldEveryCircleWhole)
{
    Drawing d;
    d.circles.push_back({Layer::Outline, {10, 20}, 5});
    d.circles.push_back({Layer::Centre, {-30, 0}, 2});
    const Box box = d.extents();
    EXPECT_EQ(box.left, -32);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(box.top, -2);
    EXPECT_EQ(box.bottom, 25);
}

// Every coordinate a writer or painter gets is a number.
void expectFinite(const Drawing& d)
{
    std::vector<Point> points{{d.sheet.left, d.sheet.top}, {d.sheet.right, d.sheet.bottom}};
    for (const Polyline& l : d.lines)
        points.insert(points.end(), l.points.begin(), l.points.end());
    for (const Circle& c : d.circles)
        points.push_back({c.centre.x + c.radius, c.centre.y});
    for (const Section& s : d.sections)
        for (const Segment& l : s.hatching)
            points.insert(points.end(), {l.a, l.b});
    for (const Annotation& a : d.annotations) {
        for (const Segment& l : a.lines)
            points.insert(points.end(), {l.a, l.b});
        points.push_back({a.text.centre.x + a.text.width, a.text.centre.y + a.text.height});
    }
    for (const Text& t : d.texts)
        points.push_back({t.centre.x + t.width, t.centre.y + t.height});
    for (Point p : points)
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << d.title;
    for (const std::string& file : {drawingSvg(d), drawingDxf(d)}) {
        EXPECT_EQ(file.find("nan"), std::string::npos);
        EXPECT_EQ(file.find("inf"), std::string::npos);
    }
}

// The edges of what the wheel screen accepts, each against each: tip
// diameters at the ends of each design's range, the narrowest and widest
// rim, a thin shaft and one as thick as the rim leaves room for; on paper
// and on the screen's area.
TEST(Legibility, TheExtremesOfTheWheelScreenReadOnPaperAndOnScreen)
{
    for (double da : {20.0, 249.0, 250.0, 600.0, 601.0, 4000.0}) {
        for (double bw : {5.0, 500.0}) {
            for (double dv : {std::max(1.0, 0.02 * da), 0.33 * da}) {
                const CalcState s = wheel(da, bw, dv);
                for (const DrawingTarget& target : {paper(), screenArea(200, 122)}) {
                    SCOPED_TRACE(testing::Message() << "da " << da << ", bw " << bw << ", dв " << dv
                                                    << (target.paper ? " on paper" : " on screen"));
                    const std::optional<Drawing> d = modeDrawing(s, Mode::Wheel, target);
                    ASSERT_TRUE(d);
                    expectFinite(*d);
                    expectLegible(*d);
                    EXPECT_GE(d->annotations.size(), 6U);
                }
            }
        }
    }
}

// Every length of a wheel's or a pair's kept results times k.
Quantities scaled(Quantities v, double k)
{
    for (Number Quantities::*field :
         {&Quantities::da,  &Quantities::da2,    &Quantities::df,     &Quantities::df2, &Quantities::d,
          &Quantities::d2,  &Quantities::bw1,    &Quantities::bw2,    &Quantities::bw,  &Quantities::LstStd,
          &Quantities::Lst, &Quantities::dstStd, &Quantities::dvStd,  &Quantities::dv,  &Quantities::Dk,
          &Quantities::D0,  &Quantities::d0,     &Quantities::Delta0, &Quantities::C,   &Quantities::L,
          &Quantities::R,   &Quantities::m,      &Quantities::aw})
        v.*field = static_cast<double>(v.*field) * k;
    return v;
}

struct OutOfReach {
    const char* name;
    bool pair;
    double k;      // every length times k
    double m;      // a module typed over the one kept, or 0
    bool onPaper;  // drawn on a sheet at a standard scale
    bool onScreen; // drawn in the screen's area
};

class OutOfReachDrawing : public testing::TestWithParam<OutOfReach> {};

// States no screen accepts (a file, a later change of the ranges): each is
// laid out in bounded time, drawn only where it can be, and never hands a
// writer a number that is not one.
TEST_P(OutOfReachDrawing, IsDrawnWhereItCanBeAndNeverWithANumberThatIsNone)
{
    const OutOfReach& c = GetParam();
    Quantities v = c.pair ? designedPair().results[static_cast<size_t>(Mode::Transmission)]->values
                          : wheel(840, 20, 30).results[static_cast<size_t>(Mode::Wheel)]->values;
    v = scaled(v, c.k);
    if (c.m > 0)
        v.m = c.m;
    for (const DrawingTarget& target : {paper(), screenArea(200, 122)}) {
        SCOPED_TRACE(target.paper ? "on paper" : "on screen");
        const Drawing d = c.pair ? transmissionDrawing(v, transmissionDesignOf(v.da), target)
                                 : wheelDrawing(v, wheelDesignOf(v.da), target);
        expectFinite(d);
        EXPECT_EQ(!d.lines.empty(), target.paper ? c.onPaper : c.onScreen);
        if (d.lines.empty())
            EXPECT_TRUE(d.annotations.empty() && d.texts.empty() && d.sections.empty());
    }
}

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(States, OutOfReachDrawing,
                         testing::Values(OutOfReach{"WheelOf84Metres", false, 100, 0, false, true},
                                         OutOfReach{"WheelOf840Kilometres", false, 1e6, 0, false, false},
                                         OutOfReach{"WheelOf1e300Millimetres", false, 1e297, 0, false, false},
                                         OutOfReach{"WheelOfNoNumber", false, kNoNumber, 0, false, false},
                                         OutOfReach{"WheelOfAHundredthOfAMicrometre", false, 1e-8, 0, false, false},
                                         OutOfReach{"WheelWithAModuleOf10000000", false, 1, 1e7, true, true},
                                         OutOfReach{"PairOf1e300Millimetres", true, 1e297, 0, false, false},
                                         OutOfReach{"PairWithAModuleOf10000000", true, 1, 1e7, true, true},
                                         OutOfReach{"PairOfTwoKilometres", true, 1e4, 0, false, false}),
                         [](const testing::TestParamInfo<OutOfReach>& info) { return std::string(info.param.name); });

TEST(Legibility, TheDesignedPairReadsOnPaperAndOnScreen)
{
    const CalcState s = designedPair();
    expectLegible(*modeDrawing(s, Mode::Transmission, paper()));
    expectLegible(*modeDrawing(s, Mode::Transmission, screenArea(138, 170)));
    expectWellDrawn(*modeDrawing(s, Mode::Transmission, paper()));
}

struct InsideCase {
    const char* name;
    Point p;
    bool inside;
};

class PointInContours : public testing::TestWithParam<InsideCase> {};

TEST_P(PointInContours, CountsARayThroughAVertexOnce)
{
    // A triangle with a vertex level with the points tested, and a hole.
    const std::vector<std::vector<Point>> shape{{{0, 0}, {10, 5}, {0, 10}}, {{1, 4}, {2, 4}, {2, 6}, {1, 6}}};
    EXPECT_EQ(pointInContours(GetParam().p, shape), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, PointInContours,
                         testing::Values(InsideCase{"Inside", {4, 5}, true}, InsideCase{"LeftOfIt", {-2, 5}, false},
                                         InsideCase{"RightOfIt", {12, 5}, false},
                                         InsideCase{"InTheHole", {1.5, 5}, false},
                                         InsideCase{"BelowIt", {5, 11}, false}),
                         [](const testing::TestParamInfo<InsideCase>& info) { return std::string(info.param.name); });

TEST(SegmentsCross, CollinearOverlapsAwayFromTheOriginCountOnlyBeyondTheMargin)
{
    const Segment a{{100, 0}, {110, 0}};
    EXPECT_FALSE(segmentsCross(a, {{109.5, 0}, {120, 0}}, 1)) << "an overlap within the margin";
    EXPECT_TRUE(segmentsCross(a, {{105, 0}, {120, 0}}, 1));
    EXPECT_FALSE(segmentsCross(a, {{110.5, 0}, {120, 0}}, 0)) << "apart";
}

TEST(Sections, AWheelTooThinToHatchIsFilledBlack)
{
    const CalcState thin = wheel(4000, 5, 30);
    const Drawing d = *modeDrawing(thin, Mode::Wheel, paper());
    ASSERT_FALSE(d.sections.empty());
    EXPECT_TRUE(d.sections.front().hatching.empty());
    EXPECT_FALSE(d.sections.front().filled.empty());
    const CalcState worked = wheel(105, 20, 30);
    const Drawing hatched = *modeDrawing(worked, Mode::Wheel, paper());
    EXPECT_FALSE(hatched.sections.front().hatching.empty());
    EXPECT_TRUE(hatched.sections.front().filled.empty());
}

// A corner the drawing rounded (an arc of short turns) or cut (one slanted
// edge), with the point its two straight edges would have met in.
struct EasedCorner {
    Point corner;
    bool fillet;
};

std::vector<EasedCorner> easedCorners(const std::vector<Point>& c)
{
    const size_t n = c.size();
    const auto straight = [&](size_t i) {
        const Point a = c[i % n];
        const Point b = c[(i + 1) % n];
        return std::abs(a.x - b.x) < 1e-9 * (1 + std::abs(a.x)) || std::abs(a.y - b.y) < 1e-9 * (1 + std::abs(a.y));
    };
    std::vector<EasedCorner> corners;
    for (size_t i = 0; i < n; ++i) {
        if (!straight(i) || straight(i + 1))
            continue;
        size_t j = i + 1;
        while (!straight(j) && j < i + n)
            ++j;
        // From c[i] along a straight edge into the eased run, out of it at c[j].
        const Point in = c[(i + 1) % n];
        const Point out = c[j % n];
        const bool horizontal = std::abs(c[i].y - in.y) < 1e-9 * (1 + std::abs(in.y));
        corners.push_back({horizontal ? Point{out.x, in.y} : Point{in.x, out.y}, j - i - 1 > 1});
    }
    return corners;
}

TEST(Sections, FilletsFillTheInsideCornersAndChamfersCutTheTips)
{
    // The disc wheel of the worked example: R = 6 where the disc meets the
    // rim and the hub, 45° chamfers at the tips.
    const Drawing d = *modeDrawing(wheel(420, 20, 30), Mode::Wheel, paper());
    int fillets = 0;
    int chamfers = 0;
    for (const Polyline& l : d.lines) {
        // The keyway's view stands beside the section.
        if (l.layer != Layer::Outline || !l.closed || l.points.front().x > 100)
            continue;
        for (const EasedCorner& e : easedCorners(l.points)) {
            // A fillet adds material into an inside corner, so the corner
            // lies in the part; a chamfer takes an outside corner away.
            EXPECT_EQ(pointInContours(e.corner, {l.points}), e.fillet)
                << (e.fillet ? "a fillet" : "a chamfer") << " at " << e.corner.x << ", " << e.corner.y;
            ++(e.fillet ? fillets : chamfers);
        }
    }
    EXPECT_EQ(fillets, 8);  // disc to rim and to hub, on both sides, in both halves
    EXPECT_EQ(chamfers, 4); // both ends of the tip, in both halves
}

TEST(Sections, AWheelInOnePieceShowsNoJointsButTheRootLine)
{
    // A solid or disc wheel is cut in one piece: the only line across its
    // section is the root line of the teeth, as wide as the rim, in each
    // half. Spokes, which are not cut, are drawn apart from rim and hub.
    for (const double da : {105.0, 420.0}) {
        const Drawing d = *modeDrawing(wheel(da, 20, 30), Mode::Wheel, paper());
        int across = 0;
        for (const Polyline& l : d.lines) {
            if (l.layer != Layer::Outline || l.closed)
                continue;
            ASSERT_EQ(l.points.size(), 2U);
            EXPECT_NEAR(distance(l.points[0], l.points[1]), 20, 1e-9) << "da " << da;
            ++across;
        }
        EXPECT_EQ(across, 2) << "da " << da;
    }
}

TEST(SpokedView, SpokesNarrowFromTheHubToTheRim)
{
    const Drawing d = *modeDrawing(wheel(840, 20, 30), Mode::Wheel, paper());
    const Circle* tip = nullptr;
    for (const Circle& c : d.circles) {
        if (c.layer == Layer::Outline && (!tip || c.radius > tip->radius))
            tip = &c;
    }
    ASSERT_NE(tip, nullptr);
    const double rHub = *d.find("dст")->value / 2;
    // Each side of a spoke, from where it leaves the hub to where it meets
    // the rim, and its distance from the spoke's axis at both ends.
    int sides = 0;
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Outline || l.closed || l.points.size() != 2)
            continue;
        const Point c = tip->centre;
        Point ends[2] = {{l.points[0].x - c.x, l.points[0].y - c.y}, {l.points[1].x - c.x, l.points[1].y - c.y}};
        if (std::hypot(ends[0].x, ends[0].y) > std::hypot(ends[1].x, ends[1].y))
            std::swap(ends[0], ends[1]);
        if (std::hypot(ends[0].x, ends[0].y) < 0.99 * rHub || std::hypot(ends[1].x, ends[1].y) > tip->radius)
            continue;
        const double axis = std::round(std::atan2(ends[1].y, ends[1].x) / (M_PI / 3)) * (M_PI / 3);
        const auto offAxis = [&](Point p) { return std::abs(std::cos(axis) * p.y - std::sin(axis) * p.x); };
        // H at the hub, 0.8·H at the rim.
        EXPECT_NEAR(offAxis(ends[1]) / offAxis(ends[0]), 0.8, 0.01) << ends[1].x << ", " << ends[1].y;
        // It starts on the hub's circle and ends on the rim's.
        for (const Point end : ends) {
            bool onACircle = false;
            for (const Circle& circle : d.circles)
                onACircle =
                    onACircle || (circle.layer == Layer::Outline &&
                                  std::abs(distance(circle.centre, {c.x + end.x, c.y + end.y}) - circle.radius) < 1e-6);
            EXPECT_TRUE(onACircle) << end.x << ", " << end.y;
        }
        ++sides;
    }
    EXPECT_EQ(sides, 12);
    // H and 0,8H measure the spoke across, from one side to the other.
    std::vector<Segment> spokeSides;
    for (const Polyline& l : d.lines) {
        if (l.layer == Layer::Outline && !l.closed && l.points.size() == 2)
            spokeSides.push_back({l.points[0], l.points[1]});
    }
    for (const char* symbol : {"H", "0,8H"}) {
        const Annotation* a = d.find(symbol);
        ASSERT_NE(a, nullptr) << symbol;
        ASSERT_EQ(a->measured.size(), 2U) << symbol;
        for (const Point p : a->measured) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Segment& side : spokeSides)
                nearest = std::min(nearest, offSegment(p, side));
            EXPECT_LT(nearest, 1e-6) << symbol << " measures " << p.x << ", " << p.y;
        }
    }
    // The rib along each spoke, too, runs from the hub's circle to the rim's.
    int ribs = 0;
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Thin || l.points.size() != 2)
            continue;
        for (const Point end : l.points) {
            bool onACircle = false;
            for (const Circle& circle : d.circles)
                onACircle = onACircle || (circle.layer == Layer::Outline &&
                                          std::abs(distance(circle.centre, end) - circle.radius) < 1e-6);
            EXPECT_TRUE(onACircle) << end.x << ", " << end.y;
        }
        ++ribs;
    }
    EXPECT_EQ(ribs, 12);
    // The spoke's width at the rim is written with the drawing's separator.
    EXPECT_NE(d.find("0,8H"), nullptr);
    DrawingTarget pointed = paper();
    pointed.decimalSeparator = ".";
    EXPECT_NE(modeDrawing(wheel(840, 20, 30), Mode::Wheel, pointed)->find("0.8H"), nullptr);
}

TEST(Sections, ASpokesSidesRunFromItsWidthAtTheHubToItsWidthAtTheRim)
{
    // The spoke of the 840 mm wheel, cut lengthwise: c = 60 where it leaves
    // the hub, L = 40 where it meets the rim. Each side of it in the section
    // is a straight edge through the ends of both dimensions on its side.
    const Drawing d = *modeDrawing(wheel(840, 20, 30), Mode::Wheel, paper());
    std::vector<Segment> sides;
    for (const Polyline& l : d.lines) {
        if (l.layer != Layer::Outline || !l.closed)
            continue;
        for (size_t i = 0; i < l.points.size(); ++i) {
            const Segment s{l.points[i], l.points[(i + 1) % l.points.size()]};
            if (std::abs(s.a.x - s.b.x) > 1e-6 && std::abs(s.a.y - s.b.y) > 1e-6 && distance(s.a, s.b) > 50)
                sides.push_back(s);
        }
    }
    EXPECT_EQ(sides.size(), 4U); // two sides, in both halves
    for (const char* symbol : {"c", "L"}) {
        const Annotation* a = d.find(symbol);
        ASSERT_NE(a, nullptr) << symbol;
        ASSERT_FALSE(a->measured.empty()) << symbol;
        for (const Point p : a->measured) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Segment& side : sides)
                nearest = std::min(nearest, offLine(p, side));
            EXPECT_LT(nearest, 1e-6) << symbol << " at " << p.x << ", " << p.y;
        }
    }
}

TEST(Sections, SpokesCutLengthwiseAreNotHatched)
{
    const CalcState s = wheel(840, 20, 30);
    const Drawing d = *modeDrawing(s, Mode::Wheel, paper());
    const Section& section = d.sections.front();
    // Halfway between hub and rim lies the spoke: no hatching crosses it.
    const Quantities& v = s.results[static_cast<size_t>(Mode::Wheel)]->values;
    const double r = (v.dstStd / 2 + v.Dk / 2) / 2;
    const Segment across{{-v.C, -r}, {v.C, -r}};
    for (const Segment& line : section.hatching)
        EXPECT_FALSE(segmentsCross(across, line, 0));
}

// Every line of form 1 is drawn, and drawn inside its 185 × 55 mm in the
// frame's bottom right corner, whatever the sheet and its scale.
TEST(PaperScale, TheTitleBlocksLinesStayInItsCornerOfTheFrame)
{
    const TitleForm& form = titleForm1();
    for (const std::optional<Drawing>& d :
         {modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper()), modeDrawing(wheel(840, 20, 30), Mode::Wheel, paper()),
          modeDrawing(designedPair(), Mode::Transmission, paper())}) {
        ASSERT_TRUE(d);
        SCOPED_TRACE(d->sheetName + " " + d->scaleText);
        const double k = d->scale;
        const double slack = 1e-6 * k;
        const Box block{d->sheet.right - (kFrameOther + form.width) * k - slack,
                        d->sheet.bottom - (kFrameOther + form.height) * k - slack,
                        d->sheet.right - kFrameOther * k + slack, d->sheet.bottom - kFrameOther * k + slack};
        size_t inside = 0;
        for (const Polyline& line : d->lines) {
            inside += std::all_of(line.points.begin(), line.points.end(), [&](const Point& p) {
                return p.x >= block.left && p.x <= block.right && p.y >= block.top && p.y <= block.bottom;
            });
        }
        EXPECT_EQ(inside, form.lines.size());
    }
}

TEST(PaperScale, AWheelLargerThanA3GoesToTheFirstStandardReductionThatFits)
{
    // 4000 mm at 1:20 is 200 mm high, and with the widths dimensioned above
    // and below it no longer fits under the table of an A3 sheet.
    EXPECT_EQ(modeDrawing(wheel(4000, 5, 30), Mode::Wheel, paper())->scaleText, "1:25");
    const Drawing d = *modeDrawing(wheel(420, 20, 30), Mode::Wheel, paper());
    EXPECT_EQ(d.scaleText, "1:2");
    // The sheet itself, in the part's millimetres: A3 across at 1:2, the
    // wheel left of the table and the title block.
    EXPECT_NEAR(d.sheet.width(), 420 * 2, 1e-9);
    EXPECT_NEAR(d.sheet.height(), 297 * 2, 1e-9);
}

TEST(Writers, SvgIsTheSheetInMillimetresAndDxfHasItsLayers)
{
    const Drawing d = *modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    const std::string svg = drawingSvg(d);
    EXPECT_NE(svg.find("width=\"420mm\" height=\"297mm\" viewBox=\"0 0 420 297\""), std::string::npos);
    EXPECT_NE(svg.find(">⌀105</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Колесо зубчатое</text>"), std::string::npos);
    const std::string dxf = drawingDxf(d);
    EXPECT_EQ(dxf.rfind("0\nEOF\n"), dxf.size() - 6);
    for (const char* layer : {"OUTLINE", "HATCH", "CENTRE", "DIMENSIONS"})
        EXPECT_NE(dxf.find(std::string("2\n") + layer + "\n"), std::string::npos) << layer;
    // Letters outside ASCII as \U+XXXX: "⌀30H7" is ⌀ (U+2300), 30H7.
    EXPECT_NE(dxf.find("\\U+230030H7"), std::string::npos);
}

// Whatever letters a student's name is written in, the DXF carries each
// as its code point, of every length UTF-8 gives it.
TEST(Writers, DxfEscapesEveryLetterOfTheTitleBlockByItsCodePoint)
{
    struct Case {
        const char* typed;
        const char* escaped;
    };
    for (const Case& c :
         {Case{"Ω", "\\U+03A9"}, Case{"ࠀ", "\\U+0800"}, Case{"€", "\\U+20AC"}, Case{"\xF0\x9F\x98\x80", "\\U+1F600"}}) {
        DrawingTarget target = paper();
        target.title.developer = std::string("Иванов ") + c.typed;
        const std::string dxf = drawingDxf(*modeDrawing(wheel(105, 20, 30), Mode::Wheel, target));
        EXPECT_NE(dxf.find(std::string("\\U+0418\\U+0432\\U+0430\\U+043D\\U+043E\\U+0432 ") + c.escaped + "\n"),
                  std::string::npos)
            << c.escaped;
    }
}

// ГОСТ 2.304 sizes a font by the height of its capitals: the DXF, which
// gives a text the height of its capitals, gives each text a standard size
// on the sheet (the screen's and the SVG's 3.5 is the em of capitals 2.5).
TEST(Writers, DxfTextsHaveTheStandardSizesOfCapitals)
{
    const Drawing d = *modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper());
    std::istringstream dxf(drawingDxf(d));
    int texts = 0;
    bool inText = false;
    for (std::string code, value; std::getline(dxf, code) && std::getline(dxf, value);) {
        if (code == "0")
            inText = value == "TEXT";
        if (!inText || code != "40")
            continue;
        ++texts;
        const double mm = numberFromText(value) / d.scale;
        const auto nearest = *std::min_element(kFontSizes.begin(), kFontSizes.end(),
                                               [&](double a, double b) { return std::abs(a - mm) < std::abs(b - mm); });
        EXPECT_NEAR(mm, nearest, 0.02 * nearest) << value;
    }
    EXPECT_GT(texts, 20);
}

// A text stands on its baseline with the middle of its capitals (0.72 of
// its height) at its centre, in the SVG and in the DXF alike, upright or
// turned.
TEST(Writers, PutATextsCapitalsAroundItsCentre)
{
    Drawing d;
    d.sheet = {0, 0, 200, 150};
    d.texts.push_back({"A", {50, 40}, 5, 20, false, Layer::Thin});
    d.texts.push_back({"B", {100, 60}, 5, 20, true, Layer::Thin});
    std::map<std::string, double> at; // DXF group code -> value, of the text last read
    std::vector<std::map<std::string, double>> texts;
    std::istringstream dxf(drawingDxf(d));
    bool inText = false;
    for (std::string code, value; std::getline(dxf, code) && std::getline(dxf, value);) {
        code.erase(0, code.find_first_not_of(' '));
        if (code == "0") {
            if (inText)
                texts.push_back(at);
            inText = value == "TEXT";
            at.clear();
        } else if (inText && (code == "10" || code == "20" || code == "11" || code == "21")) {
            at[code] = numberFromText(value);
        }
    }
    ASSERT_EQ(texts.size(), 2U);
    const double capitalsMiddle = 0.72 * 5 / 2;
    // Upright: the baseline under the centre, y downwards on the sheet and
    // upwards in the DXF.
    EXPECT_NEAR(-texts[0]["20"] - 40, capitalsMiddle, 0.1 * capitalsMiddle);
    EXPECT_DOUBLE_EQ(texts[0]["21"], texts[0]["20"]);
    EXPECT_DOUBLE_EQ((texts[0]["10"] + texts[0]["11"]) / 2, 50);
    // Turned a quarter left: the baseline to the right of the centre.
    EXPECT_NEAR(texts[1]["10"] - 100, capitalsMiddle, 0.1 * capitalsMiddle);
    EXPECT_DOUBLE_EQ(texts[1]["11"], texts[1]["10"]);
    EXPECT_DOUBLE_EQ(-(texts[1]["20"] + texts[1]["21"]) / 2, 60);
    // The SVG's baseline is the DXF's.
    const std::string svg = drawingSvg(d);
    std::smatch y;
    ASSERT_TRUE(std::regex_search(svg, y, std::regex(" y=\"([-0-9.]+)\"[^>]*>A<")));
    EXPECT_NEAR(numberFromText(y[1].str()), -texts[0]["20"], 1e-6);
}

// The room a roughness note keeps before its text for the sign is a start
// further on in the DXF, upright or turned: CAD fonts draw a no-break space
// as the mark of a missing letter, over the sign.
TEST(Writers, DxfStartsATextAfterTheRoomKeptBeforeIt)
{
    const std::string padded = "\u00A0\u00A0\u00A0\u00A0\u00A0Ra 3,2";
    const double room = 1 - textWidth("Ra 3,2", 5) / textWidth(padded, 5);
    for (const bool vertical : {false, true}) {
        Drawing d;
        d.sheet = {0, 0, 200, 150};
        d.texts.push_back({padded, {80, 60}, 5, 30, vertical, Layer::Thin});
        std::istringstream dxf(drawingDxf(d));
        std::map<std::string, std::string> at;
        bool inText = false;
        for (std::string code, value; std::getline(dxf, code) && std::getline(dxf, value);) {
            code.erase(0, code.find_first_not_of(' '));
            if (code == "0")
                inText = value == "TEXT";
            else if (inText)
                at[code] = value;
        }
        SCOPED_TRACE(vertical ? "turned" : "upright");
        EXPECT_EQ(at["1"], "Ra 3,2");
        const double start = numberFromText(at[vertical ? "20" : "10"]);
        const double end = numberFromText(at[vertical ? "21" : "11"]);
        // Along the text: rightwards upright, upwards (y up in the DXF) turned.
        const double from = vertical ? -(60 + 15) : 80 - 15;
        EXPECT_NEAR(start - from, 30 * room, 1e-6);
        EXPECT_NEAR(end - from, 30, 1e-6);
    }
}

// A hidden or a centre line is broken the same in every program: the DXF
// line types are the dashes the painter and the SVG draw, gaps negative.
TEST(Writers, DxfLineTypesAreTheDashesOfTheOtherDrawings)
{
    // The file as its pairs of group code and value.
    std::vector<std::pair<std::string, std::string>> pairs;
    std::istringstream dxf(drawingDxf(*modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper())));
    for (std::string code, value; std::getline(dxf, code) && std::getline(dxf, value);)
        pairs.emplace_back(code, value);
    for (const auto& [type, layer] : {std::pair{"DASHED", Layer::Hidden}, std::pair{"CENTER", Layer::Centre}}) {
        auto at = std::find(pairs.begin(), pairs.end(), std::pair<std::string, std::string>{"2", type});
        ASSERT_NE(at, pairs.end()) << type;
        std::vector<double> lengths;
        for (++at; at != pairs.end() && at->first != "0"; ++at) {
            if (at->first == "49")
                lengths.push_back(numberFromText(at->second));
        }
        std::vector<double> expected = dashPattern(linePen(layer));
        for (size_t i = 1; i < expected.size(); i += 2)
            expected[i] = -expected[i];
        EXPECT_EQ(lengths, expected) << type;
    }
}

// Qt sets the C library's locale from the desktop's; on a Russian one the
// files must still be the bytes they are everywhere else.
TEST(Writers, WriteTheSameBytesWhereTheLocaleWritesADecimalComma)
{
    const std::vector<Drawing> drawings{*modeDrawing(wheel(105, 20, 30), Mode::Wheel, paper()),
                                        *modeDrawing(wheel(840, 20, 30), Mode::Wheel, paper()),
                                        *modeDrawing(designedPair(), Mode::Transmission, paper())};
    std::vector<std::string> files;
    for (const Drawing& d : drawings)
        files.insert(files.end(), {drawingSvg(d), drawingDxf(d)});
    CommaLocale comma;
    GEAR_NEED_COMMA_LOCALE(comma);
    size_t i = 0;
    for (const Drawing& d : drawings) {
        EXPECT_EQ(drawingSvg(d), files[i++]) << d.title;
        EXPECT_EQ(drawingDxf(d), files[i++]) << d.title;
    }
}

} // namespace
} // namespace gear

namespace gear {
namespace {

struct ConclusionCase {
    const char* name;
    CalcState state;
    Mode mode;
    std::vector<std::string> says;
};

// One paragraph per mode with results: what was designed, with its
// numbers, and whether the conditions hold.
TEST(Conclusions, SayWhatWasDesignedAndWhichConditionsHold)
{
    CalcState offRatio = designedPair();
    offRatio.results[static_cast<size_t>(Mode::Transmission)]->values.Uf = 4.3; // 7,5 % off the 4 asked
    const std::vector<ConclusionCase> cases{
        {"pair", designedPair(), Mode::Transmission, {"z2 = 80", "aw = 125 мм", "на 0 %", "условие выполнено"}},
        {"pair off its ratio", offRatio, Mode::Transmission, {"на 7,5 %", "условие не выполнено"}},
        {"wheel", wheel(105, 20, 30), Mode::Wheel, {"da = 105 мм", "шпонкой 8×7", "цельное"}},
        {"spoked wheel", wheel(840, 20, 30), Mode::Wheel, {"литое со спицами"}},
    };
    for (const ConclusionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Conclusion> said = conclusions(c.state, ",");
        ASSERT_EQ(said.size(), 1U);
        EXPECT_EQ(said[0].mode, c.mode);
        for (const std::string& part : c.says)
            EXPECT_NE(said[0].text.find(part), std::string::npos) << part << " in " << said[0].text;
    }
    EXPECT_TRUE(conclusions(startUpState(), ",").empty());
}

} // namespace
} // namespace gear
