// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/drawing_sheet.h"

#include "geometry/annotation_layout.h"
#include "geometry/drawing_rules.h"
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
// title block of form 1 at the bottom right with the technical
// requirements over it, the parameters' table of ГОСТ 2.403 at the top
// right with the general roughness to its left. In millimetres of the sheet.
struct SheetPlan {
    std::vector<double> columns; // of the parameters' table
    double tableWidth = 0;
    double tableHeight = 0;
    std::vector<std::string> requirements; // broken into lines that fit
    double requirementsHeight = 0;
    Box frame;
    Box area;     // for the drawing, inside the frame, the table and the title block
    Box sideArea; // left of the table and the title block, where the sheet is wide
};

// The pitch of the lines of the requirements, mm: at least 17/10 of the
// font's size (ГОСТ 2.304).
constexpr double kRequirementsPitch = 7;
// The room the general roughness mark takes left of the table.
constexpr double kGeneralRoughnessWidth = 32;

// Breaks a text into lines no wider than `width` at its spaces.
std::vector<std::string> brokenLines(const std::string& text, double width, double height)
{
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at <= text.size()) {
        size_t space = text.find(' ', at);
        if (space == std::string::npos)
            space = text.size();
        const std::string word = text.substr(at, space - at);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(longer, height) > width) {
            lines.push_back(line);
            line = "   " + word;
        } else {
            line = longer;
        }
        at = space + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

SheetPlan planSheet(const Subject& subject, const Sheet& sheet)
{
    SheetPlan plan;
    const size_t columns = subject.table.empty() ? 0 : subject.table.front().size();
    for (size_t i = 0; i < columns; ++i)
        plan.columns.push_back(i < 2 ? kGearTableColumns[i] : kGearTableColumns[2]);
    for (double c : plan.columns)
        plan.tableWidth += c;
    plan.tableHeight = kGearTableRow * static_cast<double>(subject.table.size());
    const TitleForm& form = titleForm1();
    for (const std::string& r : subject.requirements) {
        for (std::string& line : brokenLines(r, form.width - 2, kTextHeight))
            plan.requirements.push_back(std::move(line));
    }
    plan.requirementsHeight =
        kRequirementsPitch * static_cast<double>(plan.requirements.size()) + (plan.requirements.empty() ? 0 : 3);
    plan.frame = {kFrameLeft, kFrameOther, sheet.width - kFrameOther, sheet.height - kFrameOther};
    const double top = plan.frame.top + std::max(plan.tableHeight, subject.roughness.empty() ? 0 : 12.0) + 3;
    const double bottom = plan.frame.bottom - form.height - plan.requirementsHeight - 3;
    plan.area = {plan.frame.left + 3, top, plan.frame.right - 3, bottom};
    const double right = plan.frame.right - std::max({plan.tableWidth + kGeneralRoughnessWidth, form.width}) - 3;
    plan.sideArea = {plan.frame.left + 3, plan.frame.top + 3, right, plan.frame.bottom - 3};
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
    void line(double x0, double y0, double x1, double y1, bool thick = true)
    {
        m_d.lines.push_back({thick ? Layer::Frame : Layer::FrameThin, {model(x0, y0), model(x1, y1)}, false});
    }
    // A text centred at (x, y), no wider than `room` when given: a size of
    // ГОСТ 2.304 down to 2.5 mm that fits, squeezed only below that.
    static double fitted(const std::string& text, double size, double room)
    {
        while (room > 0 && size > kCaptionFont && textWidth(text, size) > room) {
            const auto smaller = std::find(kFontSizes.begin(), kFontSizes.end(), size);
            size = smaller == kFontSizes.begin() || smaller == kFontSizes.end() ? kCaptionFont : *(smaller - 1);
        }
        return size;
    }
    void write(const std::string& text, double x, double y, double size, double room = 0)
    {
        if (text.empty())
            return;
        size = fitted(text, size, room);
        Text t;
        t.content = text;
        t.height = size * m_scale;
        t.width = textWidth(text, t.height);
        if (room > 0)
            t.width = std::min(t.width, room * m_scale);
        t.centre = model(x, y);
        t.layer = Layer::Frame;
        m_d.texts.push_back(std::move(t));
    }
    // A text beginning at x.
    void writeFrom(const std::string& text, double x, double y, double size)
    {
        write(text, x + textWidth(text, size) / 2, y, size);
    }

private:
    Drawing& m_d;
    double m_scale;
    Point m_contentMiddle;
    Point m_areaMiddle;
};

std::string fieldText(TitleField field, const Subject& subject, const Drawing& d, const DrawingTarget& target)
{
    const SheetTitle& t = target.title;
    switch (field) {
    case TitleField::None: return {};
    case TitleField::Designation: return t.designation;
    case TitleField::Name: return subject.name.empty() ? subject.title : subject.name;
    case TitleField::Material: return t.material;
    // A student's project: the letter «У», for a teaching document.
    case TitleField::Letter: return translated(target.translate, "title block", GEAR_TR_NOOP("title block", "У"));
    case TitleField::Mass: return t.mass;
    case TitleField::Scale: return d.scaleText;
    case TitleField::Sheet:
    case TitleField::Sheets: return "1";
    case TitleField::Organisation: {
        const std::string group =
            t.group.empty()
                ? std::string()
                : fillPlaceholders(translated(target.translate, "title block", GEAR_TR_NOOP("title block", "гр. %1")),
                                   {t.group});
        return t.organisation.empty() ? group : group.empty() ? t.organisation : t.organisation + " " + group;
    }
    case TitleField::Developer: return t.developer;
    case TitleField::DeveloperDate: return t.date;
    case TitleField::Checker: return {};
    }
    return {};
}

// Form 1 of ГОСТ 2.104 at the bottom right corner of the frame.
void drawTitleBlock(SheetPen& pen, const SheetPlan& plan, const Subject& subject, const Drawing& d,
                    const DrawingTarget& target)
{
    const TitleForm& form = titleForm1();
    const double left = plan.frame.right - form.width;
    const double top = plan.frame.bottom - form.height;
    for (const TitleLine& l : form.lines)
        pen.line(left + l.x0, top + l.y0, left + l.x1, top + l.y1, l.thick);
    for (const TitleCell& c : form.cells) {
        const double x = left + c.x + c.width / 2;
        const double y = top + c.y + c.height / 2;
        const std::string value = fieldText(c.field, subject, d, target);
        const std::string caption =
            c.caption.empty() ? std::string() : translated(target.translate, "title block", c.caption);
        if (!caption.empty() && !value.empty()) {
            pen.write(caption + " " + value, x, y, kCaptionFont, c.width - 1);
        } else if (!caption.empty()) {
            pen.write(caption, x, y, kCaptionFont, c.width - 1);
        } else {
            const bool large = c.field == TitleField::Designation || c.field == TitleField::Name;
            pen.write(value, x, y, large ? kNameFont : kTextHeight, c.width - 2);
        }
    }
}

void drawTable(SheetPen& pen, const SheetPlan& plan, const Subject& subject)
{
    double y = plan.frame.top;
    for (const auto& r : subject.table) {
        double x = plan.frame.right - plan.tableWidth;
        for (size_t i = 0; i < r.size() && i < plan.columns.size(); ++i) {
            pen.line(x, y + kGearTableRow, x + plan.columns[i], y + kGearTableRow, false);
            pen.line(x, y, x, y + kGearTableRow);
            // The names stand at the left of their column, the rest in the middle.
            if (i == 0) {
                const double room = plan.columns[i] - 2;
                const double size = SheetPen::fitted(r[i], kTextHeight, room);
                pen.write(r[i], x + std::min(textWidth(r[i], size), room) / 2 + 1, y + kGearTableRow / 2, size, room);
            } else
                pen.write(r[i], x + plan.columns[i] / 2, y + kGearTableRow / 2, kTextHeight, plan.columns[i] - 2);
            x += plan.columns[i];
        }
        y += kGearTableRow;
    }
    if (!subject.table.empty())
        pen.line(plan.frame.right - plan.tableWidth, y, plan.frame.right, y);
}

// The general roughness of ГОСТ 2.309 at the top right corner, left of the
// table: the mark with its parameter, and the sign in brackets that says
// the marks on the drawing differ.
void drawGeneralRoughness(SheetPen& pen, const SheetPlan& plan, const Subject& subject)
{
    if (subject.roughness.empty())
        return;
    const double h = kTextHeight;
    const double right = plan.frame.right - plan.tableWidth - 3;
    const double base = plan.frame.top + 10;
    // "(√)" drawn: the brackets as text, the sign between them as lines.
    const double signWidth = 1.6 * h;
    const double bracket = textWidth("(", h);
    pen.write(")", right - bracket / 2, base - h / 2, h);
    const double signRight = right - bracket - 0.3;
    const double signLeft = signRight - signWidth;
    pen.write("(", signLeft - 0.3 - bracket / 2, base - h / 2, h);
    const double tip = signLeft + 0.577 * h;
    pen.line(signLeft, base - h, tip, base, false);
    pen.line(tip, base, tip + 0.577 * 1.6 * h, base - 1.6 * h, false);
    // The mark itself: its sign with the bar of a surface cut, the shelf
    // carrying the parameter.
    const double textW = textWidth(subject.roughness, h);
    const double markRight = signLeft - bracket - 2;
    const double shelfLeft = markRight - textW - 1;
    const double mTip = shelfLeft - 0.577 * 2 * h;
    pen.line(mTip - 0.577 * h, base - h, mTip, base, false);
    pen.line(mTip, base, shelfLeft, base - 2 * h, false);
    pen.line(mTip - 0.577 * h, base - h, mTip + 0.577 * h, base - h, false);
    pen.line(shelfLeft, base - 2 * h, markRight, base - 2 * h, false);
    pen.write(subject.roughness, shelfLeft + textW / 2 + 0.5, base - 2 * h - h / 2 - 0.5, h);
}

// The technical requirements over the title block, numbered as written.
void drawRequirements(SheetPen& pen, const SheetPlan& plan)
{
    const double left = plan.frame.right - titleForm1().width;
    double y = plan.frame.bottom - titleForm1().height - plan.requirementsHeight + kRequirementsPitch / 2;
    for (const std::string& line : plan.requirements) {
        pen.writeFrom(line, left + 1, y, kTextHeight);
        y += kRequirementsPitch;
    }
}

// Puts the sheet around the drawing: its frame, title block and table.
// Whether the drawing and they fit the sheet.
bool frameOnSheet(Drawing& d, const Subject& subject, const Sheet& sheet, const DrawingTarget& target, double scale)
{
    const Box content = d.extents();
    const double margin = 2 * scale;
    d.sheetName = sheet.name;
    const SheetPlan plan = planSheet(subject, sheet);
    auto holds = [&](const Box& area) {
        return !area.isEmpty() && content.width() + 2 * margin <= area.width() * scale &&
               content.height() + 2 * margin <= area.height() * scale;
    };
    // Between the table and the title block; where that is too low, beside
    // them on a wide sheet.
    const Box area = holds(plan.area) || !holds(plan.sideArea) ? plan.area : plan.sideArea;
    const bool fits = plan.tableWidth + kGeneralRoughnessWidth <= plan.frame.width() &&
                      titleForm1().width <= plan.frame.width() && holds(area);
    SheetPen pen(d, scale, content, area);
    const Point origin = pen.model(0, 0);
    d.sheet = {origin.x, origin.y, origin.x + sheet.width * scale, origin.y + sheet.height * scale};
    pen.rect(plan.frame.left, plan.frame.top, plan.frame.right, plan.frame.bottom);
    drawTitleBlock(pen, plan, subject, d, target);
    drawTable(pen, plan, subject);
    drawGeneralRoughness(pen, plan, subject);
    drawRequirements(pen, plan);
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
    lay.setWorking(sheet != nullptr);
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
