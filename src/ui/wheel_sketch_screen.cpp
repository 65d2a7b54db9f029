// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_sketch_screen.h"

#include "geometry/results.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"
#include "ui/wheel_sketch.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

namespace {

WheelSketch::Design designOf(ScreenId id)
{
    if (id == ScreenId::vivod1)
        return WheelSketch::Design::Solid;
    if (id == ScreenId::vivod2)
        return WheelSketch::Design::Disc;
    return WheelSketch::Design::Spoked;
}

} // namespace

WheelSketchScreen::WheelSketchScreen(ScreenId id, Screens& screens) : Screen(id, screens, qt(sketchTitle(id)))
{
    auto* table = new QGridLayout;
    table->setVerticalSpacing(6);
    int row = 0;
    for (const SketchRow& entry : sketchRows(id)) {
        const std::string captionName(entry.captionName);
        const std::string fieldName(entry.fieldName);
        table->addWidget(makeLabel(this, captionName.c_str(), qt(entry.caption)), row, 0);
        QLabel* field = makeLabel(this, fieldName.c_str(), QString());
        field->setMinimumWidth(110);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        makeBold(field);
        table->addWidget(field, row, 1);
        m_values.push_back({field, entry.value});
        ++row;
    }
    table->setRowStretch(row, 1);
    m_sketch = new WheelSketch(designOf(id), this);
    m_sketch->setObjectName(QStringLiteral("Image1"));
    m_sketch->setMinimumSize(m_sketch->sizeHint());
    auto* back = makeOkButton(QStringLiteral("Назад"));

    auto* columns = new QHBoxLayout;
    columns->addLayout(table);
    columns->addWidget(m_sketch, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addWidget(back, 0, Qt::AlignHCenter);

    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

void WheelSketchScreen::presetWheel()
{
    const CalcState& s = state();
    for (const Value& value : m_values)
        value.field->setText(shown(s.*value.source));
    SketchSizes sizes;
    sizes.da = s.da;
    sizes.df = s.df;
    sizes.d = s.d;
    sizes.bw = s.bw1;
    sizes.dv = s.dvStd;
    sizes.dst = s.dstStd;
    sizes.Lst = s.LstStd;
    sizes.Delta0 = s.Delta0;
    sizes.C = s.C;
    m_sketch->setSizes(sizes);
}

} // namespace gear::ui
