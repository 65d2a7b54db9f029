// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing_painter.h"

#include "geometry/drawing_rules.h"
#include "ui/text_conversion.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace gear::ui {

namespace {

// Line widths on the sheet, mm, and dashes in mm of the sheet.
QPen penFor(Layer layer, double scale)
{
    const LinePen rule = linePen(layer);
    QPen pen(Qt::black, rule.width * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const std::vector<double> pattern = dashPattern(rule);
    if (!pattern.empty()) {
        // Qt counts dashes in widths of the pen.
        QList<qreal> dashes;
        for (double d : pattern)
            dashes.push_back(d / rule.width);
        pen.setDashPattern(dashes);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QPointF qt(Point p)
{
    return {p.x, p.y};
}

QPolygonF polygon(const std::vector<Point>& points)
{
    QPolygonF out;
    for (Point p : points)
        out << qt(p);
    return out;
}

void paintText(QPainter& p, const Text& t)
{
    if (t.content.empty() || !(t.height > 0))
        return;
    // Drawn at a size of 100 units and scaled, since fonts take whole pixel
    // sizes and a sheet may be drawn very small.
    static const QFont font = [] {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(100);
        f.setItalic(true);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }();
    const QString text = gear::ui::qt(t.content);
    const QFontMetricsF metrics(font);
    const double natural = metrics.horizontalAdvance(text) * t.height / 100.0;
    // Never longer than the core measured it, or its checks would not hold.
    const double squeeze = natural > t.width && natural > 0 ? t.width / natural : 1.0;
    p.save();
    p.translate(t.centre.x, t.centre.y);
    if (t.vertical)
        p.rotate(-90);
    p.scale(t.height / 100.0 * squeeze, t.height / 100.0);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(-metrics.horizontalAdvance(text) / 2, 35), text);
    p.restore();
}

} // namespace

void paintDrawing(QPainter& p, const Drawing& d, const QRectF& target)
{
    if (d.sheet.isEmpty() || target.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double k = std::min(target.width() / d.sheet.width(), target.height() / d.sheet.height());
    p.translate(target.center());
    p.scale(k, k);
    p.translate(-(d.sheet.left + d.sheet.right) / 2, -(d.sheet.top + d.sheet.bottom) / 2);
    p.fillRect(QRectF(d.sheet.left, d.sheet.top, d.sheet.width(), d.sheet.height()), Qt::white);
    const double s = d.scale;

    p.setBrush(Qt::NoBrush);
    for (const Section& section : d.sections) {
        p.setPen(penFor(Layer::Hatch, s));
        for (const Segment& l : section.hatching)
            p.drawLine(qt(l.a), qt(l.b));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (const auto& piece : section.filled)
            p.drawPolygon(polygon(piece));
        p.setBrush(Qt::NoBrush);
    }
    for (const Polyline& l : d.lines) {
        p.setPen(penFor(l.layer, s));
        if (l.closed)
            p.drawPolygon(polygon(l.points));
        else
            p.drawPolyline(polygon(l.points));
    }
    for (const Circle& c : d.circles) {
        p.setPen(penFor(c.layer, s));
        p.drawEllipse(qt(c.centre), c.radius, c.radius);
    }
    for (const Annotation& a : d.annotations) {
        p.setPen(penFor(Layer::Dimension, s));
        for (const Segment& l : a.lines)
            p.drawLine(qt(l.a), qt(l.b));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (const auto& arrow : a.arrows)
            p.drawPolygon(polygon({arrow.begin(), arrow.end()}));
        p.setBrush(Qt::NoBrush);
        paintText(p, a.text);
    }
    for (const Text& t : d.texts)
        paintText(p, t);
    p.restore();
}

} // namespace gear::ui
