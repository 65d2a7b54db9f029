// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// A drawing as plain data, for any renderer: the screens' painter, the SVG
// and DXF writers, the web page. Every coordinate is in millimetres of the
// part's own size ("model" millimetres), x to the right and y downwards as a
// sheet is read; `Drawing::scale` says how many of them make one millimetre
// of the sheet.

struct Point {
    double x = 0;
    double y = 0;
};

struct Segment {
    Point a;
    Point b;
};

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool isEmpty() const { return !(right > left) || !(bottom > top); }
    // Overlap of interiors: boxes that only touch do not overlap.
    bool overlaps(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool contains(const Box& inner) const
    {
        return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
    }
    Box grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    void include(Point p);
    void include(const Box& other);
    static Box empty();
};

// What a line is, which sets how it is drawn and the DXF layer it goes to.
enum class Layer {
    Outline,   // visible edges, thick
    Thin,      // thin solid lines: the root line of teeth in a view
    Hidden,    // edges behind a part, dashed
    Centre,    // axes and pitch lines, dash-dot
    Hatch,     // section hatching and the black of narrow sections
    Dimension, // dimension, extension and leader lines, arrows, their texts
    Frame,     // the sheet's frame, title block and table
    FrameThin  // the thin lines inside the title block and the table
};
inline constexpr int kLayerCount = 8;
std::string_view layerName(Layer layer);

struct Polyline {
    Layer layer = Layer::Outline;
    std::vector<Point> points;
    bool closed = false;
};

struct Circle {
    Layer layer = Layer::Outline;
    Point centre;
    double radius = 0;
};

// A text: `centre` is the middle of its box, `height` the font's size (em)
// and `width` the length of the line of text as the core measures it. A
// vertical text reads from the bottom up, as a dimension on a vertical line
// does; renderers fit the text to `width` so that the core's checks hold.
struct Text {
    std::string content;
    Point centre;
    double height = 0;
    double width = 0;
    bool vertical = false;
    Layer layer = Layer::Dimension;

    Box box() const;
};

// A dimension or a leader note: the number the student computed, the lines
// and arrowheads that show what it measures, and its text ("da = 105"). A
// note has no measured points and no value only where the design gives its
// symbol no number.
struct Annotation {
    std::string symbol;
    std::optional<double> value;          // mm, as the state holds it
    std::vector<Point> measured;          // the points of the part measured; none for a note
    std::optional<Segment> dimensionLine; // between the arrows, for a dimension
    std::vector<Segment> lines;           // every line: dimension, extension, leader and shelf
    std::vector<std::array<Point, 3>> arrows;
    Text text;
    bool leader = false; // the text stands on a leader, away from its line
};

// A section: the closed contours that are cut (with hatching or, when too
// narrow to hatch, filled black) and the straight lines of the hatching.
struct Section {
    std::vector<std::vector<Point>> contours;
    std::vector<Segment> hatching;
    std::vector<std::vector<Point>> filled; // convex pieces, for a section filled black
};

struct Drawing {
    std::string title;
    double scale = 1;      // model millimetres per millimetre of the sheet
    std::string scaleText; // as the title block writes it, "1:1", "1:2,5"
    Box sheet;             // the sheet, in model millimetres
    std::string sheetName; // "A4", "A3", or empty for a screen
    std::vector<Polyline> lines;
    std::vector<Circle> circles;
    std::vector<Section> sections;
    std::vector<Annotation> annotations;
    std::vector<Text> texts; // free texts: title block, table, view names

    // The annotation of a symbol, or nullptr.
    const Annotation* find(std::string_view symbol) const;
    // Everything drawn except the sheet, in model millimetres.
    Box extents() const;
    // The outlines only: the part itself.
    Box outlineExtents() const;
};

// A dimension's number as a drawing writes it: rounded to 0.01 mm, half up
// from the number as the screens show it, with no trailing zeros and the
// decimal separator given.
std::string dimensionValue(double mm, std::string_view decimalSeparator);

// The length of a line of text of font size `height`, in the same unit: the
// advances of DejaVu Sans, which the renderers use, so that texts measured
// here are the texts drawn.
double textWidth(std::string_view utf8, double height);

// The lines of 45° hatching of the closed contours (even-odd), `spacing`
// apart, rising to the right when `rising`; never more than 10,000 of them,
// wider apart where the contours would take more.
std::vector<Segment> hatchLines(const std::vector<std::vector<Point>>& contours, double spacing, bool rising);

// True when the two segments cross or touch at a point farther than `margin`
// from the ends of `a`.
bool segmentsCross(const Segment& a, const Segment& b, double margin);
bool segmentCrossesBox(const Segment& s, const Box& box);
bool pointInContours(Point p, const std::vector<std::vector<Point>>& contours);

} // namespace gear
