// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_sketch_screen.h"

#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_view.h"
#include "ui/fonts.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

namespace {

// The picture's size on screen, px: a spoked wheel has its front view
// beside the section.
QSize pictureSize(ScreenId id)
{
    if (id == ScreenId::vivod1)
        return {400, 440};
    if (id == ScreenId::vivod2)
        return {460, 520};
    return {760, 460};
}

} // namespace

WheelSketchScreen::WheelSketchScreen(ScreenId id, Screens& screens) : Screen(id, screens)
{
    auto* table = new QGridLayout;
    table->setVerticalSpacing(6);
    const std::vector<Caption>& captions = entry().captions;
    int row = 0;
    for (const Caption& caption : captions) {
        const std::string captionName(caption.control);
        const std::string fieldName(entry().displays[static_cast<size_t>(row)].control);
        table->addWidget(makeLabel(this, captionName.c_str(), text(caption.text)), row, 0);
        QLabel* field = makeLabel(this, fieldName.c_str(), QString());
        field->setMinimumWidth(110);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        makeBold(field);
        table->addWidget(field, row, 1);
        ++row;
    }
    // The note under the dimensions, shown only when the core has one.
    const std::string noteName(entry().displays.back().control);
    QLabel* note = makeLabel(this, noteName.c_str(), QString());
    note->setWordWrap(true);
    note->setMaximumWidth(280);
    note->hide();
    table->addWidget(note, row, 0, 1, 2);
    ++row;
    table->setRowStretch(row, 1);
    m_sketch = new DrawingView(pictureSize(id), this);
    m_sketch->setObjectName(QStringLiteral("Image1"));

    auto* columns = new QHBoxLayout;
    columns->addLayout(table);
    columns->addWidget(m_sketch, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buttonRow(makeButtons()));
}

void WheelSketchScreen::saveDrawing()
{
    saveDrawingAs(this, screens(), qt(screens().session().drawingName(id())),
                  [this] { return m_sketch->paperDrawing(sheetTitle(screens())); });
}

} // namespace gear::ui
