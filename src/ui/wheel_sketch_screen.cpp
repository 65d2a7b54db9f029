// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_sketch_screen.h"

#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "shell/number_text.h"
#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_view.h"
#include "ui/fonts.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

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

WheelSketchScreen::WheelSketchScreen(ScreenId id, Screens& screens)
    : Screen(id, screens, translated("sketch", sketchTitle(id)))
{
    auto* table = new QGridLayout;
    table->setVerticalSpacing(6);
    int row = 0;
    for (const SketchRow& entry : sketchRows(id)) {
        const std::string captionName(entry.captionName);
        const std::string fieldName(entry.fieldName);
        table->addWidget(makeLabel(this, captionName.c_str(), translated("sketch", entry.caption)), row, 0);
        QLabel* field = makeLabel(this, fieldName.c_str(), QString());
        field->setMinimumWidth(110);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        makeBold(field);
        table->addWidget(field, row, 1);
        m_values.push_back({field, entry.value});
        ++row;
    }
    // Why the wheel is drawn to another tip diameter than the one typed,
    // when it is: the core says it, under the dimensions it concerns.
    m_note = makeLabel(this, std::string(kTipNoteName).c_str(), QString());
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setMaximumWidth(280);
    m_note->hide();
    table->addWidget(m_note, row, 0, 1, 2);
    ++row;
    table->setRowStretch(row, 1);
    m_sketch = new DrawingView(pictureSize(id), this);
    m_sketch->setObjectName(QStringLiteral("Image1"));
    auto* back = makeOkButton(tr("Назад"));
    auto* save = makeButton(this, "Command2", tr("Сохранить чертёж…"));
    save->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(save);
    buttons->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(table);
    columns->addWidget(m_sketch, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buttons);

    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    connect(save, &QPushButton::clicked, this,
            [this] { saveDrawingAs(this, this->screens(), Mode::Wheel, [this] { return m_sketch->paperDrawing(); }); });
}

void WheelSketchScreen::presetWheel()
{
    const CalcState& s = state();
    for (const Value& value : m_values)
        value.field->setText(shown(s.*value.source));
    // The numbers the mode kept, so that a later pass of another mode, which
    // shares the fields, leaves this drawing as it was computed.
    const auto& kept = s.results[static_cast<size_t>(Mode::Wheel)];
    const Quantities wheel = kept ? kept->values : static_cast<const Quantities&>(s);
    const Message note = wheelTipNote(wheel);
    m_note->setText(qt(withDecimalSeparator(note.text(coreTranslator()), decimalSeparator())));
    m_note->setVisible(!note.empty());
    const WheelDesign design = id() == ScreenId::vivod1   ? WheelDesign::Solid
                               : id() == ScreenId::vivod2 ? WheelDesign::Disc
                                                          : WheelDesign::Spoked;
    m_sketch->setBuilder([wheel, design](const DrawingTarget& target) { return wheelDrawing(wheel, design, target); });
}

} // namespace gear::ui
