// SPDX-License-Identifier: GPL-3.0-or-later
#include "gear_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace gear::art {

namespace {

constexpr double kPressureAngle = 20.0 * std::numbers::pi / 180.0;

// Involute polar angle at radius r for a base radius rb.
double involuteAngle(double rb, double r)
{
    const double alpha = std::acos(rb / r);
    return std::tan(alpha) - alpha;
}

// Outline of a spur gear of `teeth` teeth and module `m` (pixels), centred on
// the origin, with its first tooth pointing along `phase` (radians).
QPainterPath gearOutline(int teeth, double m, double phase)
{
    const double r = m * teeth / 2.0;
    const double rb = r * std::cos(kPressureAngle);
    const double ra = r + m;
    const double rf = r - 1.25 * m;
    const double pitchAngle = 2.0 * std::numbers::pi / teeth;
    // Half the tooth's angular thickness at the base circle.
    const double halfBase = pitchAngle / 4.0 + involuteAngle(rb, r);
    constexpr int kSteps = 8;

    QPainterPath path;
    for (int k = 0; k < teeth; ++k) {
        const double centre = phase + k * pitchAngle;
        const double rStart = std::max(rb, rf);
        // Root arc up to the start of the left flank.
        const double rootFrom = centre - pitchAngle / 2.0;
        const double flankStart = centre - halfBase + involuteAngle(rb, rStart);
        for (int s = 0; s <= 2; ++s) {
            const double a = rootFrom + (flankStart - rootFrom) * s / 2.0;
            const QPointF p(rf * std::cos(a), rf * std::sin(a));
            if (k == 0 && s == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        for (int s = 0; s <= kSteps; ++s) { // left flank, outwards
            const double rr = rStart + (ra - rStart) * s / kSteps;
            const double a = centre - halfBase + involuteAngle(rb, rr);
            path.lineTo(rr * std::cos(a), rr * std::sin(a));
        }
        for (int s = kSteps; s >= 0; --s) { // right flank, inwards
            const double rr = rStart + (ra - rStart) * s / kSteps;
            const double a = centre + halfBase - involuteAngle(rb, rr);
            path.lineTo(rr * std::cos(a), rr * std::sin(a));
        }
        const double rootTo = centre + pitchAngle / 2.0;
        path.lineTo(rf * std::cos(rootTo), rf * std::sin(rootTo));
    }
    path.closeSubpath();
    return path;
}

QBrush copper(QPointF centre, double radius)
{
    QRadialGradient gradient(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.35));
    gradient.setColorAt(0.0, QColor(0xF6, 0xC2, 0x8B));
    gradient.setColorAt(0.55, QColor(0xC8, 0x76, 0x3A));
    gradient.setColorAt(1.0, QColor(0x7A, 0x3E, 0x18));
    return gradient;
}

void drawGear(QPainter& p, QPointF centre, int teeth, double m, double phase, bool pinionShaft)
{
    const double r = m * teeth / 2.0;
    p.save();
    p.translate(centre);
    QPainterPath body = gearOutline(teeth, m, phase);
    // A shadow gives the part its thickness.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40, 90));
    p.drawPath(body.translated(6, 7));
    p.setBrush(copper(QPointF(0, 0), r + m));
    p.setPen(QPen(QColor(0x5A, 0x2C, 0x10), 1.2));
    p.drawPath(body);

    if (pinionShaft) {
        // The shaft end seen face on, with its key.
        const double shaft = r * 0.55;
        p.setBrush(copper(QPointF(0, 0), shaft * 1.6));
        p.drawEllipse(QPointF(0, 0), shaft, shaft);
        p.setBrush(QColor(0x5A, 0x2C, 0x10));
        p.drawRect(QRectF(-shaft * 0.18, -shaft, shaft * 0.36, shaft * 0.3));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xF6, 0xC2, 0x8B, 160), 1.5));
        p.drawEllipse(QPointF(0, 0), shaft * 0.8, shaft * 0.8);
    } else {
        // Rim, disc with holes, hub and bore of a forged wheel.
        const double rim = r - 2.6 * m;
        const double hub = r * 0.32;
        p.setBrush(QColor(0xA8, 0x5C, 0x28));
        p.drawEllipse(QPointF(0, 0), rim, rim);
        p.setBrush(copper(QPointF(0, 0), rim));
        const double holes = (rim + hub) / 2.0;
        const double hole = (rim - hub) * 0.28;
        for (int k = 0; k < 6; ++k) {
            const double a = phase + k * std::numbers::pi / 3.0;
            p.setBrush(QColor(0x58, 0x5C, 0x60));
            p.drawEllipse(QPointF(holes * std::cos(a), holes * std::sin(a)), hole, hole);
        }
        p.setBrush(copper(QPointF(0, 0), hub * 1.4));
        p.drawEllipse(QPointF(0, 0), hub, hub);
        const double bore = hub * 0.5;
        p.setBrush(QColor(0x58, 0x5C, 0x60));
        p.drawEllipse(QPointF(0, 0), bore, bore);
        p.drawRect(QRectF(-bore * 0.25, -bore * 1.25, bore * 0.5, bore * 0.4));
    }
    p.restore();
}

} // namespace

QPixmap mainWindowArt()
{
    QPixmap art(580, 466);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grey(0, 0, 0, 466);
    grey.setColorAt(0.0, QColor(0xC4, 0xC7, 0xCA));
    grey.setColorAt(1.0, QColor(0x7E, 0x82, 0x86));
    p.fillRect(art.rect(), grey);

    constexpr double m = 9.0; // pixels per module
    constexpr int wheelTeeth = 40;
    constexpr int pinionTeeth = 14;
    const QPointF wheel(235, 275);
    const double centreDistance = m * (wheelTeeth + pinionTeeth) / 2.0;
    const double line = -0.15; // the line of centres rises a little towards the pinion
    const QPointF pinion = wheel + centreDistance * QPointF(std::cos(line), std::sin(line));
    // Turn the pinion so that one of its teeth sits in a space of the wheel
    // on the line of centres.
    const double wheelPhase = line + std::numbers::pi / wheelTeeth;
    const double pinionPhase = line + std::numbers::pi;
    drawGear(p, wheel, wheelTeeth, m, wheelPhase, false);
    drawGear(p, pinion, pinionTeeth, m, pinionPhase, true);
    return art;
}

QPixmap applicationIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double m = size / 30.0;
    const QPointF wheel(size * 0.40, size * 0.58);
    const double line = -0.6;
    const QPointF pinion = wheel + m * (20 + 10) / 2.0 * QPointF(std::cos(line), std::sin(line));
    drawGear(p, wheel, 20, m, line + std::numbers::pi / 20, false);
    drawGear(p, pinion, 10, m, line + std::numbers::pi, true);
    return icon;
}

} // namespace gear::art
