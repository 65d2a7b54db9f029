// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vivod4.h"

#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_view.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vivod4::Vivod4(Screens& screens) : Screen(ScreenId::vivod4, screens)
{
    auto* pictures = new QGridLayout;
    for (size_t i = 0; i < 3; ++i) {
        m_pictures[i] = new DrawingView(QSize(520, 640), this);
        m_pictures[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        m_pictures[i]->setVisible(false);
        // The three lie over one another; one at a time is shown.
        pictures->addWidget(m_pictures[i], 0, 0);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(buttonRow(makeButtons()));
}

void Vivod4::saveDrawing()
{
    saveDrawingAs(this, screens(), qt(screens().session().drawingName(id())), [this]() -> std::optional<Drawing> {
        for (DrawingView* picture : m_pictures) {
            if (picture->isVisibleTo(this))
                return picture->paperDrawing(sheetTitle(screens()));
        }
        return std::nullopt;
    });
}

} // namespace gear::ui
