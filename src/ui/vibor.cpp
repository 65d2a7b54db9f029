// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vibor.h"

#include "geometry/module_choice.h"
#include "shell/number_text.h"
#include "shell/reference_tables.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/number_display.h"
#include "ui/okon.h"
#include "ui/okonchanie.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/wheel_sketch_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vibor::Vibor(Screens& screens) : Screen(ScreenId::Vibor, screens, tr("Модули"))
{
    auto* caption = makeLabel(this, "Label1", tr("Расчётный модуль равен"));
    m_module = makeLabel(this, "Label6", QString());
    m_module->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* advice = makeLabel(this, "Label2",
                             tr("Вычесленное значение модуля следует согласовать с ГОСТом приняв "
                                "ближайшее стандартное значение. При этом первый ряд "
                                "предпочтительнее."));
    advice->setWordWrap(true);
    auto* heading = makeLabel(this, "Label5", tr("Значение модуля m, мм, ГОСТ 9563-80"));
    heading->setAlignment(Qt::AlignCenter);
    m_row1 = makeComboBox(this, "Combo1");
    m_row2 = makeComboBox(this, "Combo2");
    auto* ok = makeOkButton();

    for (QLabel* label : {caption, m_module, heading})
        makeBold(label);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(m_module, 1);
    auto* rows = new QGridLayout;
    QLabel* first = makeLabel(this, "Label3", tr("Первый ряд"));
    QLabel* second = makeLabel(this, "Label4", tr("Второй ряд"));
    nameField(first, m_row1, QStringLiteral(", ") + heading->text());
    nameField(second, m_row2, QStringLiteral(", ") + heading->text());
    rows->addWidget(first, 0, 0, Qt::AlignHCenter);
    rows->addWidget(second, 0, 1, Qt::AlignHCenter);
    rows->addWidget(m_row1, 1, 0);
    rows->addWidget(m_row2, 1, 1);
    rows->setHorizontalSpacing(24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(advice);
    layout->addSpacing(8);
    layout->addWidget(heading);
    layout->addLayout(rows);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(420);

    connect(ok, &QPushButton::clicked, this, &Vibor::onOk);
}

void Vibor::fillModuleLists()
{
    for (std::string_view item : kModuleRow1)
        m_row1->addItem(qt(withDecimalSeparator(item, decimalSeparator())));
    for (std::string_view item : kModuleRow2)
        m_row2->addItem(qt(withDecimalSeparator(item, decimalSeparator())));
    m_row1->setCurrentIndex(-1);
    m_row2->setCurrentIndex(-1);
}

void Vibor::presetCalculatedModule(Number module)
{
    m_module->setText(shown(module));
    m_row1->setCurrentIndex(-1);
    m_row2->setCurrentIndex(-1);
    m_row1->setEditText(QString());
    m_row2->setEditText(QString());
}

void Vibor::onOk()
{
    const Outcome outcome = chooseModule(state(), utf8(m_row1->currentText()), utf8(m_row2->currentText()));
    presetNext(outcome);
    follow(outcome);
}

void Vibor::showTaken(const QString& row1, const QString& row2)
{
    showComboText(m_row1, row1);
    showComboText(m_row2, row2);
}

void Vibor::presetNext(const Outcome& outcome)
{
    if (outcome.next == ScreenId::okon) {
        screens().load<Okon>(ScreenId::okon).presetStresses();
        screens().load<Okonchanie>(ScreenId::okonchanie).presetGeometry();
    } else if (outcome.next == ScreenId::vivod1 || outcome.next == ScreenId::vivod2 ||
               outcome.next == ScreenId::vivod3) {
        screens().load<WheelSketchScreen>(*outcome.next).presetWheel();
    }
}

} // namespace gear::ui
