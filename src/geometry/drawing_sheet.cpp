// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/drawing_sheet.h"

#include "gear_version.h"
#include "geometry/annotation_layout.h"
#include "shell/message.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gear::detail {

namespace {

// The sizes of a part that are drawn at all, in model millimetres: from a
// micrometre to a kilometre. Outside them the numbers are no gear's, and
// a layout of them would only lose its digits or its time.
constexpr double kSmallestDrawn = 1e-3;
constexpr double kLargestDrawn = 1e6;

struct Sheet {
    const char* name;
    double width;
    double height;
};

constexpr std::array<Sheet, 3> kSheets{{{"A4", 210, 297}, {"A3", 420, 297}, {"A3", 297, 420}}};
// ГОСТ 2.302's reductions, from full size down.
constexpr std::array<double, 13> kScales{1, 2, 2.5, 4, 5, 10, 15, 20, 25, 40, 50, 75, 100};

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

// Puts the area of a screen or a page around the drawing, the drawing in its
// middle; at a standard scale the scale is written under the drawing.
// Whether the drawing fits the area.
bool frameInArea(Drawing& d, const DrawingTarget& target, double scale)
{
    const Box content = d.extents();
    const double margin = 2 * scale;
    const double w = target.width * scale;
    const double h = target.height * scale;
    const double caption = target.standardScale ? (kTextHeight + 3) * scale : 0;
    const Point c{(content.left + content.right) / 2, (content.top + content.bottom + caption) / 2};
    d.sheet = {c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
    const bool fits = content.width() + 2 * margin <= w && content.height() + caption + 2 * margin <= h;
    if (target.standardScale) {
        Text t;
        t.content = scaleLine(d, target);
        t.height = kTextHeight * scale;
        t.width = textWidth(t.content, t.height);
        t.centre = {d.sheet.right - t.width / 2 - margin, d.sheet.bottom - t.height / 2 - margin};
        d.texts.push_back(std::move(t));
    }
    return fits;
}

// The frame of ГОСТ 2.104: 20 mm left for binding, 5 mm elsewhere; the
// title block at the bottom right, the parameters' table at the top right.
// In millimetres of the sheet.
struct SheetPlan {
    std::vector<double> columns; // of the parameters' table
    double tableWidth = 0;
    double tableHeight = 0;
    std::string program;
    std::string scaleCaption;
    double titleWidth = 0;
    double titleHeight = 0;
    Box frame;
    Box area; // for the drawing, inside the frame, the table and the title block
};

// The height of a row of the title block and of the table, and of their
// texts, mm of the sheet.
constexpr double kRow = 7;
constexpr double kTitleTextHeight = 5;

SheetPlan planSheet(const Subject& subject, const Sheet& sheet, std::string scaleCaption)
{
    SheetPlan plan;
    const double h = kTextHeight;
    for (const auto& r : subject.table) {
        for (size_t i = 0; i < r.size(); ++i) {
            if (plan.columns.size() <= i)
                plan.columns.push_back(0);
            plan.columns[i] = std::max(plan.columns[i], textWidth(r[i], h) + 4);
        }
    }
    for (double c : plan.columns)
        plan.tableWidth += c;
    plan.tableHeight = kRow * static_cast<double>(subject.table.size());
    plan.program = "gearwheel " GEAR_VERSION;
    plan.scaleCaption = std::move(scaleCaption);
    plan.titleWidth = std::max({120.0, textWidth(subject.title, kTitleTextHeight) + 10,
                                textWidth(plan.program, h) + textWidth(plan.scaleCaption, h) + 12});
    plan.titleHeight = 2 * kRow + 2;
    plan.frame = {20, 5, sheet.width - 5, sheet.height - 5};
    plan.area = {plan.frame.left + 3, plan.frame.top + plan.tableHeight + 3, plan.frame.right - 3,
                 plan.frame.bottom - plan.titleHeight - 3};
    return plan;
}

// Draws on the sheet in millimetres of the sheet, the middle of the
// sheet's area for the drawing on the middle of what is drawn.
class SheetPen {
public:
    SheetPen(Drawing& d, double scale, const Box& content, const Box& area)
        : m_d(d),
          m_scale(scale), m_contentMiddle{(content.left + content.right) / 2, (content.top + content.bottom) / 2},
          m_areaMiddle{(area.left + area.right) / 2, (area.top + area.bottom) / 2}
    {
    }

    // Sheet millimetres to model millimetres.
    Point model(double x, double y) const
    {
        return Point{m_contentMiddle.x + (x - m_areaMiddle.x) * m_scale,
                     m_contentMiddle.y + (y - m_areaMiddle.y) * m_scale};
    }
    void rect(double l, double t, double r, double b)
    {
        m_d.lines.push_back({Layer::Frame, {model(l, t), model(r, t), model(r, b), model(l, b)}, true});
    }
    void line(double x0, double y0, double x1, double y1)
    {
        m_d.lines.push_back({Layer::Frame, {model(x0, y0), model(x1, y1)}, false});
    }
    void write(const std::string& text, double x, double y, double size)
    {
        Text t;
        t.content = text;
        t.height = size * m_scale;
        t.width = textWidth(text, t.height);
        t.centre = model(x, y);
        t.layer = Layer::Frame;
        m_d.texts.push_back(std::move(t));
    }

private:
    Drawing& m_d;
    double m_scale;
    Point m_contentMiddle;
    Point m_areaMiddle;
};

// The title above, the scale and the program below it.
void drawTitleBlock(SheetPen& pen, const SheetPlan& plan, const std::string& title)
{
    const Box& frame = plan.frame;
    const double h = kTextHeight;
    const double tl = frame.right - plan.titleWidth;
    const double tt = frame.bottom - plan.titleHeight;
    pen.rect(tl, tt, frame.right, frame.bottom);
    pen.line(tl, tt + kRow + 2, frame.right, tt + kRow + 2);
    pen.write(title, (tl + frame.right) / 2, tt + (kRow + 2) / 2, kTitleTextHeight);
    const double split = tl + textWidth(plan.scaleCaption, h) + 6;
    pen.line(split, tt + kRow + 2, split, frame.bottom);
    pen.write(plan.scaleCaption, (tl + split) / 2, tt + kRow + 2 + kRow / 2, h);
    pen.write(plan.program, (split + frame.right) / 2, tt + kRow + 2 + kRow / 2, h);
}

void drawTable(SheetPen& pen, const SheetPlan& plan, const Subject& subject)
{
    double y = plan.frame.top;
    for (const auto& r : subject.table) {
        double x = plan.frame.right - plan.tableWidth;
        for (size_t i = 0; i < r.size(); ++i) {
            pen.rect(x, y, x + plan.columns[i], y + kRow);
            pen.write(r[i], x + plan.columns[i] / 2, y + kRow / 2, kTextHeight);
            x += plan.columns[i];
        }
        y += kRow;
    }
}

// Puts the sheet around the drawing: its frame, title block and table.
// Whether the drawing and they fit the sheet.
bool frameOnSheet(Drawing& d, const Subject& subject, const Sheet& sheet, const DrawingTarget& target, double scale)
{
    const Box content = d.extents();
    const double margin = 2 * scale;
    d.sheetName = sheet.name;
    const SheetPlan plan = planSheet(subject, sheet, scaleLine(d, target));
    const bool fits = plan.tableWidth <= plan.frame.width() && plan.titleWidth <= plan.frame.width() &&
                      content.width() + 2 * margin <= plan.area.width() * scale &&
                      content.height() + 2 * margin <= plan.area.height() * scale;
    SheetPen pen(d, scale, content, plan.area);
    const Point origin = pen.model(0, 0);
    d.sheet = {origin.x, origin.y, origin.x + sheet.width * scale, origin.y + sheet.height * scale};
    pen.rect(plan.frame.left, plan.frame.top, plan.frame.right, plan.frame.bottom);
    drawTitleBlock(pen, plan, subject.title);
    drawTable(pen, plan, subject);
    return fits;
}

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
    fits = sheet ? frameOnSheet(d, subject, *sheet, target, scale) : frameInArea(d, target, scale);
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

// On paper: the largest scale of the series, on the smallest sheet, at
// which the drawing fits inside the frame with room for the title block and
// the table.
Drawing onPaper(const Subject& subject, const Box& part, const DrawingTarget& target)
{
    bool fits = false;
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

// In an area: at the largest standard scale that fits, when asked, else at
// the scale that fills it.
Drawing inArea(const Subject& subject, const Box& part, const DrawingTarget& target)
{
    bool fits = false;
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
    return target.paper ? onPaper(subject, part, target) : inArea(subject, part, target);
}

} // namespace

Drawing fitted(const Subject& subject, const DrawingTarget& target)
{
    return checked(laidOut(subject, target), subject);
}

} // namespace gear::detail
