// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/okonchanie.h"

#include "geometry/results.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/grid_frame.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"
#include "ui/vivod4.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Okonchanie::Okonchanie(Screens& screens) : Screen(ScreenId::okonchanie, screens, tr("Результаты расчётов"))
{
    auto* table = new GridFrame(this);
    auto head = [table](const char* name, const QString& text) {
        QLabel* label = makeLabel(table, name, text);
        label->setAlignment(Qt::AlignCenter);
        makeBold(label);
        return label;
    };
    table->addCell(head("Label1", tr("Параметр")), 0, 0);
    table->addCell(head("Label2", tr("Единица величины")), 0, 1);
    table->addCell(head("Label3", tr("Шестерня")), 0, 2);
    table->addCell(head(nullptr, tr("колесо")), 0, 3);
    int row = 1;
    for (const PairRow& entry : pairRows()) {
        const std::string captionName(entry.captionName);
        table->addCell(makeLabel(table, captionName.c_str(), translated("results", entry.caption)), row, 0);
        // The units stand in one column beside the rows, Label11 its first cell.
        QLabel* unit = makeLabel(table, row == 1 ? "Label11" : nullptr, translated("unit", entry.unit));
        unit->setAlignment(Qt::AlignCenter);
        table->addCell(unit, row, 1);
        const std::string pinionName(entry.pinionName);
        const std::string wheelName(entry.wheelName);
        QLabel* pinion = makeLabel(table, pinionName.c_str(), QString());
        QLabel* wheel = makeLabel(table, wheelName.c_str(), QString());
        for (QLabel* value : {pinion, wheel}) {
            value->setMinimumWidth(130);
            value->setAlignment(Qt::AlignCenter);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        table->addCell(pinion, row, 2);
        table->addCell(wheel, row, 3);
        m_values.push_back({pinion, wheel, entry.pinion, entry.wheel});
        ++row;
    }
    auto* drawing = makeButton(this, "Command1", tr("Показать рисунок"));
    // Enter closes the table, as Ok does on the other screens.
    auto* ok = makeButton(this, "Command2", QStringLiteral("Ok"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(drawing);
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(drawing, &QPushButton::clicked, this, &Okonchanie::showDrawing);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void Okonchanie::presetGeometry()
{
    const CalcState& s = state();
    for (const Value& value : m_values) {
        if (value.pinionSource) {
            value.pinion->setText(shown(s.*value.pinionSource));
            value.wheel->setText(shown(s.*value.wheelSource));
        }
    }
}

void Okonchanie::presetGrade()
{
    const QString grade = translated("steel", state().steelGrade);
    for (const Value& value : m_values) {
        if (!value.pinionSource) {
            value.pinion->setText(grade);
            value.wheel->setText(grade);
        }
    }
}

void Okonchanie::showDrawing()
{
    // The pair's own pinion decides: a wheel sized since shares the field da.
    const CalcState& s = state();
    const auto& pair = s.results[static_cast<size_t>(Mode::Transmission)];
    auto& drawing = screens().load<Vivod4>(ScreenId::vivod4);
    drawing.choosePicture(pair ? double(pair->values.da) : double(s.da));
    drawing.present();
}

} // namespace gear::ui
