// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The placing of dimensions and notes on a drawing: what a text or a line
// must keep clear of, and where each dimension of a part finds room.

#include "geometry/drawing.h"
#include "geometry/wheel_drawing.h"
#include "shell/message.h"

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gear::detail {

enum class Side { Left, Right, Top, Bottom };

// Lines to keep clear of, in groups with their boxes so that most are
// passed over at a glance, and circles, tested as circles.
class Obstacles {
public:
    void add(const std::vector<Point>& points, bool closed);
    void add(Segment s) { add({s.a, s.b}, false); }
    void addCircle(Point c, double r) { m_circles.push_back({c, r}); }

    bool crossesBox(const Box& box) const;
    bool crosses(const Segment& line, double margin) const;

private:
    struct Group {
        Box box;
        std::size_t begin;
        std::size_t end;
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
    // A working drawing writes a dimension as ЕСКД does: its number, with
    // ⌀ before a diameter and R before a radius; a sketch names it.
    void setWorking(bool working) { m_working = working; }
    bool working() const { return m_working; }
    // What a working drawing writes after a dimension's number: a fit
    // ("H7"), a deviation ("+0,2").
    void setTolerance(const std::string& symbol, std::string tolerance) { m_tolerances[symbol] = std::move(tolerance); }

    void outline(std::vector<Point> points, bool closed, Layer layer = Layer::Outline);
    void material(std::vector<Point> contour) { m_material.push_back(std::move(contour)); }
    void centreLine(Point a, Point b);
    void circle(Layer layer, Point c, double r);

    // The symbol as the drawing writes it, in the language shown; the
    // annotation keeps the symbol itself, which finds it.
    std::string label(const std::string& symbol, std::optional<double> value, const std::string& suffix = {}) const;

    // A dimension outside the part: the dimension line parallel to p1–p2,
    // on `side`, at the nearest free place beyond `edge`. When no place is
    // free, false, and nothing is drawn unless `force`. The extension lines
    // of a centre distance are the axes themselves and may cross the
    // dimensions of the gears on them.
    bool outside(const std::string& symbol, std::optional<double> value, Point p1, Point p2, Side side, double edge,
                 bool force = true, bool extensionsCross = false);

    // Dimensions outside the part, in the order given (the smaller nearer
    // the part). The paths their extension lines will take are kept free of
    // texts first, so that a text of one never blocks the lines of the next.
    void outside(const std::vector<Outside>& dims);

    // A dimension between two faces, its line drawn between them: at the
    // first of the places offered where its text stands beside the line,
    // or else on a leader.
    void between(const std::string& symbol, std::optional<double> value, const std::vector<Segment>& places,
                 const std::vector<Segment>& measured = {});

    // A note on a leader with its arrow at `target`.
    void note(const std::string& text, std::optional<double> value, const std::string& symbol, Point target);

    // The roughness of a surface (ГОСТ 2.309) on a leader to `target`: the
    // sign of a surface cut, then its Ra, µm.
    void roughness(double ra, const std::string& symbol, Point target);

private:
    Annotation start(const std::string& symbol, std::optional<double> value, std::vector<Point> measured) const;
    Text makeText(const std::string& content, bool vertical) const;
    std::array<Point, 3> arrow(Point tip, Point direction) const;

    // The dimension line a–b with its arrows and its text: along the line
    // where it fits, beyond an end where it does not (2), or on a leader (1,
    // or 0 when the leader found no free place).
    int finishLine(Annotation& dim, Point a, Point b);

    // Finds a free place for the annotation's text on a shelf at the end of
    // a leader from `from`, nearest first; the leader keeps off the part
    // where it can.
    bool placeOnLeader(Annotation& a, Point from, Point& knee);

    // A text box is clear of the part, every line and every other text.
    bool textClear(const Box& box) const;

    // A line is clear when it passes through no text and, as asked, crosses
    // no edge of the part and no dimension line farther than `margin` from
    // its start and end.
    bool lineClear(const Segment& line, double margin, bool checkPart, bool checkDimensions = true) const;
    double tiny() const { return 0.01 * m_s; }

    void commit(Annotation a);

    Drawing& m_d;
    double m_s;
    double m_h;
    std::string m_sep;
    const Translator& m_translate;
    bool m_sketchOnly;
    bool m_working = false;
    std::map<std::string, std::string> m_tolerances;
    Obstacles m_solid;
    Obstacles m_centre;
    std::vector<Segment> m_reserved;
    std::vector<std::vector<Point>> m_material;
    Obstacles m_annotationLines;
    std::vector<Segment> m_dimensionLines;
    std::vector<Box> m_textBoxes;
};

} // namespace gear::detail
