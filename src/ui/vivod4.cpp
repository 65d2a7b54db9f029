// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vivod4.h"

#include "geometry/module_choice.h"
#include "ui/wheel_sketch.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vivod4::Vivod4(Screens& screens) : Screen(ScreenId::vivod4, screens, QStringLiteral("Чертёж колеса"))
{
    auto* pictures = new QGridLayout;
    const std::array<WheelSketch::Design, 3> designs{WheelSketch::Design::Solid, WheelSketch::Design::Disc,
                                                     WheelSketch::Design::Spoked};
    for (size_t i = 0; i < 3; ++i) {
        m_pictures[i] = new WheelSketch(designs[i], this);
        m_pictures[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        m_pictures[i]->setMinimumSize(m_pictures[i]->sizeHint());
        m_pictures[i]->setVisible(false);
        // The three lie over one another; one at a time is shown.
        pictures->addWidget(m_pictures[i], 0, 0);
    }
    auto* ok = makeOkButton();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void Vivod4::choosePicture(double da)
{
    const auto shown = static_cast<size_t>(drawingPicture(da) - 1);
    const CalcState& s = state();
    SketchSizes sizes;
    sizes.da = s.da;
    sizes.df = s.df;
    sizes.d = s.d;
    sizes.bw = s.bw1;
    for (size_t i = 0; i < 3; ++i) {
        m_pictures[i]->setSizes(sizes);
        m_pictures[i]->setVisible(i == shown);
    }
    adjustSize();
}

} // namespace gear::ui
