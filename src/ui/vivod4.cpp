// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vivod4.h"

#include "geometry/module_choice.h"
#include "geometry/wheel_drawing.h"
#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_view.h"

#include <QHBoxLayout>

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vivod4::Vivod4(Screens& screens) : Screen(ScreenId::vivod4, screens, tr("Чертёж колеса"))
{
    auto* pictures = new QGridLayout;
    for (size_t i = 0; i < 3; ++i) {
        m_pictures[i] = new DrawingView(QSize(520, 640), this);
        m_pictures[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        m_pictures[i]->setVisible(false);
        // The three lie over one another; one at a time is shown.
        pictures->addWidget(m_pictures[i], 0, 0);
    }
    auto* ok = makeOkButton();
    auto* save = makeButton(this, "Command2", tr("Сохранить чертёж…"));
    save->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(save, &QPushButton::clicked, this, [this] {
        saveDrawingAs(this, this->screens(), Mode::Transmission, [this]() -> std::optional<Drawing> {
            for (DrawingView* picture : m_pictures) {
                if (picture->isVisibleTo(this))
                    return picture->paperDrawing();
            }
            return std::nullopt;
        });
    });
}

void Vivod4::choosePicture(double da)
{
    const auto shown = static_cast<size_t>(drawingPicture(da) - 1);
    const CalcState& s = state();
    const auto& kept = s.results[static_cast<size_t>(Mode::Transmission)];
    const Quantities pair = kept ? kept->values : static_cast<const Quantities&>(s);
    constexpr std::array<WheelDesign, 3> designs{WheelDesign::Solid, WheelDesign::Disc, WheelDesign::Spoked};
    for (size_t i = 0; i < 3; ++i) {
        const WheelDesign design = designs[i];
        m_pictures[i]->setBuilder(
            [pair, design](const DrawingTarget& target) { return transmissionDrawing(pair, design, target); });
        m_pictures[i]->setVisible(i == shown);
    }
    adjustSize();
}

} // namespace gear::ui
