// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

namespace gear::ui {

// The sizes a sketch is drawn to, mm. Values that are not positive (a wheel
// of the transmission mode has no shaft entered) are taken in the usual
// proportions of the design instead.
struct SketchSizes {
    double da = 0;     // tip diameter
    double df = 0;     // root diameter
    double d = 0;      // pitch diameter
    double bw = 0;     // face width
    double dv = 0;     // shaft diameter
    double dst = 0;    // hub diameter
    double Lst = 0;    // hub length
    double Delta0 = 0; // rim thickness
    double C = 0;      // disc or spoke web width
};

// A vector sketch of one of the three wheel designs: a solid wheel with a
// plain disc, a forged disc wheel with holes, a cast wheel with spokes. It
// is drawn to the sizes given, each dimension marked by its symbol, and
// stays legible for very small and very large wheels.
class WheelSketch final : public QWidget {
    Q_OBJECT

public:
    enum class Design { Solid, Disc, Spoked };

    WheelSketch(Design design, QWidget* parent);

    Design design() const { return m_design; }
    void setSizes(const std::optional<SketchSizes>& sizes);

    QSize sizeHint() const override;

    // Paints the sketch into `area`; the screens and the printout share it.
    static void paint(QPainter& painter, const QRectF& area, Design design, const SketchSizes& sizes);

    // The sizes every dimension is drawn with, for a wheel of these sizes.
    static SketchSizes proportioned(const SketchSizes& sizes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Design m_design;
    std::optional<SketchSizes> m_sizes;
};

} // namespace gear::ui
