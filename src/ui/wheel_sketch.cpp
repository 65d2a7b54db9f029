// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_sketch.h"

#include "geometry/wheel_body.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gear::ui {

namespace {

const QColor kInk(0x10, 0x20, 0x50);
const QColor kDimension(0x90, 0x20, 0x20);

double positiveOr(double value, double fallback)
{
    return std::isfinite(value) && value > 0.0 ? value : fallback;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QPointF direction = tip - from;
    const double length = std::hypot(direction.x(), direction.y());
    if (length < 1e-9)
        return;
    const QPointF u = direction / length;
    const QPointF n(-u.y(), u.x());
    constexpr double size = 7.0;
    const QPolygonF head{tip, tip - u * size + n * size * 0.35, tip - u * size - n * size * 0.35};
    p.drawPolygon(head);
}

// A dimension between a and b, its symbol beside the middle of the line.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& symbol, bool labelAfter = true)
{
    p.save();
    p.setPen(QPen(kDimension, 1));
    p.setBrush(kDimension);
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    const QPointF middle = (a + b) / 2.0;
    const QFontMetricsF metrics(p.font());
    const QRectF box = metrics.boundingRect(symbol);
    QPointF at;
    if (std::abs(a.x() - b.x()) < 1e-6) { // vertical: symbol to the side
        at = labelAfter ? middle + QPointF(4, box.height() / 3) : middle + QPointF(-box.width() - 4, box.height() / 3);
    } else { // horizontal: symbol above
        at = middle + QPointF(-box.width() / 2, labelAfter ? -4 : box.height());
    }
    p.setPen(kDimension);
    p.drawText(at, symbol);
    p.restore();
}

void extension(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(QPen(kDimension, 0.8));
    p.drawLine(a, b);
    p.restore();
}

void centreLine(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    QPen pen(kInk, 0.8);
    pen.setDashPattern({12, 3, 2, 3});
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

QBrush hatching()
{
    return QBrush(QColor(0x50, 0x60, 0x90), Qt::BDiagPattern);
}

// The section of the wheel through its axis, which lies horizontal at
// `axisY`; x runs along the axis. Sizes in pixels.
struct Section {
    double ra, rRim, rHub, rShaft; // radii: tip, rim inside, hub, bore
    double bw, Lst, C;             // widths along the axis
    double rPitch;
};

void drawHalf(QPainter& p, const Section& s, double cx, double axisY, int side, WheelSketch::Design design)
{
    const double sign = side; // −1 upper half, +1 lower half
    auto y = [&](double r) { return axisY + sign * r; };
    QPainterPath body;
    const double chamfer = std::min(s.bw * 0.08, (s.ra - s.rRim) * 0.3);
    // Outline of the half section, from the bore along the hub, disc and rim.
    QPolygonF outline;
    outline << QPointF(cx - s.Lst / 2, y(s.rShaft)) << QPointF(cx - s.Lst / 2, y(s.rHub));
    const double web = design == WheelSketch::Design::Spoked ? s.C * 0.8 : s.C;
    outline << QPointF(cx - web / 2, y(s.rHub)) << QPointF(cx - web / 2, y(s.rRim));
    outline << QPointF(cx - s.bw / 2, y(s.rRim)) << QPointF(cx - s.bw / 2, y(s.ra - chamfer))
            << QPointF(cx - s.bw / 2 + chamfer, y(s.ra)) << QPointF(cx + s.bw / 2 - chamfer, y(s.ra))
            << QPointF(cx + s.bw / 2, y(s.ra - chamfer)) << QPointF(cx + s.bw / 2, y(s.rRim));
    outline << QPointF(cx + web / 2, y(s.rRim)) << QPointF(cx + web / 2, y(s.rHub));
    outline << QPointF(cx + s.Lst / 2, y(s.rHub)) << QPointF(cx + s.Lst / 2, y(s.rShaft));
    body.addPolygon(outline);
    body.closeSubpath();
    if (design == WheelSketch::Design::Disc) {
        // A hole of the disc, cut by the section plane.
        const double rHoles = (s.rRim + s.rHub) / 2.0;
        const double hole = std::max(2.0, (s.rRim - s.rHub) * 0.12);
        QPainterPath cut;
        cut.addRect(QRectF(QPointF(cx - web / 2 - 1, y(rHoles - hole)), QPointF(cx + web / 2 + 1, y(rHoles + hole)))
                        .normalized());
        body = body.subtracted(cut);
    }
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(hatching());
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    // The root line of the teeth and the pitch line.
    p.setPen(QPen(kInk, 0.8));
    const double rRoot = s.rRim + (s.ra - s.rRim) * 0.45;
    p.drawLine(QPointF(cx - s.bw / 2, y(rRoot)), QPointF(cx + s.bw / 2, y(rRoot)));
    centreLine(p, QPointF(cx - s.bw / 2 - 6, y(s.rPitch)), QPointF(cx + s.bw / 2 + 6, y(s.rPitch)));
    if (design == WheelSketch::Design::Disc)
        centreLine(p, QPointF(cx - web / 2 - 6, y((s.rRim + s.rHub) / 2)),
                   QPointF(cx + web / 2 + 6, y((s.rRim + s.rHub) / 2)));
}

void drawFrontView(QPainter& p, const QRectF& area, const Section& s)
{
    const double scale = std::min(area.width(), area.height()) / (2.0 * s.ra) * 0.92;
    const QPointF c = area.center();
    auto circle = [&](double r) { p.drawEllipse(c, r * scale, r * scale); };
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    circle(s.ra);
    circle(s.rRim);
    circle(s.rHub);
    circle(s.rShaft);
    centreLine(p, c - QPointF(s.ra * scale + 6, 0), c + QPointF(s.ra * scale + 6, 0));
    centreLine(p, c - QPointF(0, s.ra * scale + 6), c + QPointF(0, s.ra * scale + 6));
    // Six spokes of cross-shaped section, H at the hub narrowing to 0.8H.
    const double H = std::max(10.0, s.rHub * scale * 0.9);
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3.0 + std::numbers::pi / 6.0;
        const QPointF u(std::cos(a), std::sin(a));
        const QPointF n(-u.y(), u.x());
        const QPointF inner = c + u * (s.rHub * scale);
        const QPointF outer = c + u * (s.rRim * scale);
        const QPolygonF spoke{inner + n * H / 2, outer + n * H * 0.4, outer - n * H * 0.4, inner - n * H / 2};
        p.setBrush(QColor(0xE8, 0xEC, 0xF4));
        p.drawPolygon(spoke);
    }
    p.setBrush(Qt::NoBrush);
    // One spoke dimensioned: H at the hub, 0.8H at the rim, the fillet R.
    const double a = std::numbers::pi / 6.0;
    const QPointF u(std::cos(a), std::sin(a));
    const QPointF n(-u.y(), u.x());
    const QPointF inner = c + u * (s.rHub * scale + 4);
    const QPointF outer = c + u * (s.rRim * scale - 4);
    dimension(p, inner + n * H / 2, inner - n * H / 2, QStringLiteral("H"));
    dimension(p, outer + n * H * 0.4, outer - n * H * 0.4, QStringLiteral("0,8H"));
    p.setPen(kDimension);
    p.drawText(c + QPointF(-s.rRim * scale * 0.55, -s.rRim * scale * 0.62), QStringLiteral("R"));
    p.drawText(c + QPointF(s.rRim * scale * 0.1, -s.rRim * scale * 0.75), QStringLiteral("δр"));
    dimension(p, c + QPointF(-s.ra * scale, s.ra * scale + 12), c + QPointF(s.ra * scale, s.ra * scale + 12),
              QStringLiteral("da"), false);
    p.drawText(c + QPointF(-s.rRim * scale * 0.95, s.rRim * scale * 0.35), QStringLiteral("L"));
}

} // namespace

WheelSketch::WheelSketch(Design design, QWidget* parent) : QWidget(parent), m_design(design)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void WheelSketch::setSizes(const std::optional<SketchSizes>& sizes)
{
    m_sizes = sizes;
    update();
}

QSize WheelSketch::sizeHint() const
{
    return m_design == Design::Spoked ? QSize(560, 330) : QSize(340, 330);
}

SketchSizes WheelSketch::proportioned(const SketchSizes& given)
{
    SketchSizes s = given;
    s.da = positiveOr(s.da, 100);
    const double m = s.da / 42.0;
    s.df = positiveOr(s.df, s.da - 4.5 * m);
    s.df = std::min(s.df, s.da * 0.98);
    s.d = positiveOr(s.d, (s.da + s.df) / 2.0);
    s.bw = positiveOr(s.bw, s.da * 0.2);
    s.Delta0 = positiveOr(s.Delta0, 3.0 * m);
    // The rim, the hub and the bore keep clear of one another in the picture
    // even when the numbers would let them touch.
    const double rimInside = std::max(s.df / 2.0 - s.Delta0, s.da * 0.2);
    s.dst = positiveOr(s.dst, s.da * 0.32);
    s.dst = std::min(s.dst, rimInside * 2.0 * 0.75);
    s.dv = positiveOr(s.dv, s.dst / kHubDiameterPerShaft);
    s.dv = std::min(s.dv, s.dst * 0.8);
    s.Lst = positiveOr(s.Lst, std::max(s.bw, kHubLengthPerShaft * s.dv));
    s.C = positiveOr(s.C, s.bw * 0.3);
    s.C = std::min(s.C, s.bw * 0.6);
    return s;
}

void WheelSketch::paint(QPainter& p, const QRectF& area, Design design, const SketchSizes& given)
{
    const SketchSizes s = proportioned(given);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPointSizeF(10);
    font.setItalic(true);
    p.setFont(font);

    const QRectF sectionArea =
        design == Design::Spoked ? QRectF(area.left(), area.top(), area.width() * 0.55, area.height()) : area;
    // Leave room for the dimension lines around the section.
    const QRectF inner =
        sectionArea.adjusted(design == Design::Disc ? 84 : 60, 34, design == Design::Disc ? -96 : -70, -40);
    const double axial = std::max(s.bw, s.Lst);
    const double scale = std::min(inner.height() / s.da, inner.width() / axial);
    // A very flat or very long wheel is widened or narrowed just enough to
    // stay legible; its dimensions still carry their own symbols.
    const double axialScale = std::clamp(scale, inner.height() * 0.25 / axial, inner.width() / axial);
    Section sec;
    sec.ra = s.da / 2.0 * scale;
    sec.rPitch = s.d / 2.0 * scale;
    sec.rRim = std::max(s.df / 2.0 - s.Delta0, 0.0) * scale;
    sec.rRim = std::min(sec.rRim, sec.ra - 6.0);
    sec.rHub = std::min(s.dst / 2.0 * scale, sec.rRim - 4.0);
    sec.rShaft = std::min(s.dv / 2.0 * scale, sec.rHub - 3.0);
    sec.bw = std::max(s.bw * axialScale, 10.0);
    sec.Lst = std::max(s.Lst * axialScale, 10.0);
    sec.C = std::clamp(s.C * axialScale, 3.0, sec.bw);
    const double cx = inner.center().x();
    const double axisY = inner.center().y();

    drawHalf(p, sec, cx, axisY, -1, design);
    drawHalf(p, sec, cx, axisY, +1, design);
    centreLine(p, QPointF(cx - std::max(sec.bw, sec.Lst) / 2 - 14, axisY),
               QPointF(cx + std::max(sec.bw, sec.Lst) / 2 + 14, axisY));

    const double right = cx + std::max(sec.bw, sec.Lst) / 2;
    const double left = cx - std::max(sec.bw, sec.Lst) / 2;
    // Diameters on the right, from the largest outwards.
    const double xDa = right + (design == Design::Disc ? 70 : 44);
    extension(p, QPointF(cx + sec.bw / 2, axisY - sec.ra), QPointF(xDa + 4, axisY - sec.ra));
    extension(p, QPointF(cx + sec.bw / 2, axisY + sec.ra), QPointF(xDa + 4, axisY + sec.ra));
    dimension(p, QPointF(xDa, axisY - sec.ra), QPointF(xDa, axisY + sec.ra), QStringLiteral("da"));
    const double xHub = right + 18;
    extension(p, QPointF(cx + sec.Lst / 2, axisY - sec.rHub), QPointF(xHub + 4, axisY - sec.rHub));
    extension(p, QPointF(cx + sec.Lst / 2, axisY + sec.rHub), QPointF(xHub + 4, axisY + sec.rHub));
    dimension(p, QPointF(xHub, axisY - sec.rHub), QPointF(xHub, axisY + sec.rHub), QStringLiteral("dст"));
    // The bore and the rim on the left.
    const double xBore = left - 16;
    extension(p, QPointF(cx - sec.Lst / 2, axisY - sec.rShaft), QPointF(xBore - 4, axisY - sec.rShaft));
    extension(p, QPointF(cx - sec.Lst / 2, axisY + sec.rShaft), QPointF(xBore - 4, axisY + sec.rShaft));
    dimension(p, QPointF(xBore, axisY - sec.rShaft), QPointF(xBore, axisY + sec.rShaft), QStringLiteral("dв"), false);
    const double xRim = cx - sec.bw / 2 - 10;
    dimension(p, QPointF(xRim, axisY - sec.ra), QPointF(xRim, axisY - sec.rRim),
              design == Design::Solid ? QStringLiteral("S") : QStringLiteral("δ0"), false);
    // Widths above and below.
    const double yTop = axisY - sec.ra - 16;
    extension(p, QPointF(cx - sec.bw / 2, axisY - sec.ra), QPointF(cx - sec.bw / 2, yTop - 4));
    extension(p, QPointF(cx + sec.bw / 2, axisY - sec.ra), QPointF(cx + sec.bw / 2, yTop - 4));
    dimension(p, QPointF(cx - sec.bw / 2, yTop), QPointF(cx + sec.bw / 2, yTop), QStringLiteral("bw"));
    const double yBottom = axisY + sec.ra + 18;
    extension(p, QPointF(cx - sec.Lst / 2, axisY + sec.rHub), QPointF(cx - sec.Lst / 2, yBottom + 4));
    extension(p, QPointF(cx + sec.Lst / 2, axisY + sec.rHub), QPointF(cx + sec.Lst / 2, yBottom + 4));
    dimension(p, QPointF(cx - sec.Lst / 2, yBottom), QPointF(cx + sec.Lst / 2, yBottom), QStringLiteral("Lст"), false);
    // The disc or the spoke web.
    const double yWeb = axisY + (sec.rRim + sec.rHub) / 2 + (design == Design::Disc ? (sec.rRim - sec.rHub) * 0.3 : 0);
    const QString web = design == Design::Solid ? QStringLiteral("C") : QStringLiteral("c");
    const double halfWeb = (design == Design::Spoked ? sec.C * 0.8 : sec.C) / 2;
    dimension(p, QPointF(cx - halfWeb - 14, yWeb), QPointF(cx - halfWeb, yWeb), QString());
    dimension(p, QPointF(cx + halfWeb + 14, yWeb), QPointF(cx + halfWeb, yWeb), web);

    p.setPen(kDimension);
    switch (design) {
    case Design::Solid:
        p.drawText(QPointF(cx - sec.bw / 2 - 4, axisY - sec.ra - 2), QStringLiteral("f"));
        p.drawText(QPointF(cx - halfWeb - 16, axisY - (sec.rRim + sec.rHub) / 2), QStringLiteral("k"));
        break;
    case Design::Disc: {
        const double rHoles = (sec.rRim + sec.rHub) / 2.0;
        const double xD0 = left - 44;
        extension(p, QPointF(cx - halfWeb, axisY - rHoles), QPointF(xD0 - 4, axisY - rHoles));
        extension(p, QPointF(cx - halfWeb, axisY + rHoles), QPointF(xD0 - 4, axisY + rHoles));
        dimension(p, QPointF(xD0, axisY - rHoles), QPointF(xD0, axisY + rHoles), QStringLiteral("D0"), false);
        p.drawText(QPointF(cx + halfWeb + 3, axisY - rHoles - 3), QStringLiteral("d0"));
        const double xDk = right + 44;
        extension(p, QPointF(cx + sec.bw / 2, axisY - sec.rRim), QPointF(xDk + 4, axisY - sec.rRim));
        extension(p, QPointF(cx + sec.bw / 2, axisY + sec.rRim), QPointF(xDk + 4, axisY + sec.rRim));
        dimension(p, QPointF(xDk, axisY - sec.rRim), QPointF(xDk, axisY + sec.rRim), QStringLiteral("Dк"));
        p.drawText(QPointF(cx - halfWeb - 18, axisY - sec.rRim + 14), QStringLiteral("R"));
        p.drawText(QPointF(cx - sec.bw / 2 - 4, axisY - sec.ra - 2), QStringLiteral("f"));
        break;
    }
    case Design::Spoked:
        p.drawText(QPointF(cx - halfWeb - 40, axisY - sec.rRim + 14), QStringLiteral("0,8δ0"));
        p.drawText(QPointF(cx + halfWeb + 4, axisY - (sec.rRim + sec.rHub) / 2), QStringLiteral("1:20"));
        drawFrontView(
            p, QRectF(sectionArea.right(), area.top() + 20, area.width() - sectionArea.width(), area.height() - 40),
            sec);
        break;
    }
    p.restore();
}

void WheelSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect(), m_design, m_sizes.value_or(SketchSizes{}));
}

} // namespace gear::ui
