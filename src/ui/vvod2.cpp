// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vvod2.h"

#include "shell/number_text.h"
#include "shell/reference_tables.h"
#include "strength/transmission_design.h"
#include "ui/controls.h"
#include "ui/input_form.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/vibor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vvod2::Vvod2(Screens& screens) : Screen(ScreenId::Vvod2, screens, tr("Ввод исходных данных"))
{
    m_teeth = makeTextField(this, "Text1");
    m_angle = makeTextField(this, "Text2");
    m_torque = makeTextField(this, "Text3");
    m_ratio = makeComboBox(this, "Combo1");
    auto* ok = makeOkButton();

    auto* layout = new QVBoxLayout(this);
    addPrompt(layout, makeLabel(this, "Label1", tr("Введите число зубьев шестерни Z1")), m_teeth);
    addPromptWithBeta(layout, makeLabel(this, "Label3", tr(" Введите угол наклона зубьев")), m_angle);
    addPrompt(layout, makeLabel(this, "Label6", tr("Введите вращающий момент Т,н м")), m_torque);
    addPrompt(layout, makeLabel(this, "Label7", tr("Выберете передаточное отношение U")), m_ratio);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(340);

    connect(ok, &QPushButton::clicked, this, &Vvod2::onOk);
}

void Vvod2::fillRatioList()
{
    if (m_ratio->count() > 0)
        return;
    for (std::string_view ratio : kGearRatios)
        m_ratio->addItem(qt(withDecimalSeparator(ratio, decimalSeparator())));
    m_ratio->setCurrentIndex(-1);
}

void Vvod2::onOk()
{
    const TransmissionInput input{utf8(m_teeth->text()), utf8(m_angle->text()), utf8(m_torque->text()),
                                  utf8(m_ratio->currentText())};
    const Outcome outcome = designTransmission(state(), input);
    presetNext(outcome);
    follow(outcome);
}

void Vvod2::presetNext(const Outcome& outcome)
{
    if (!outcome.refused())
        screens().load<Vibor>(ScreenId::Vibor).presetCalculatedModule(state().m);
}

void Vvod2::showInput(const TransmissionInput& input)
{
    fillRatioList();
    m_teeth->setText(qt(input.Z1));
    m_angle->setText(qt(input.beta));
    m_torque->setText(qt(input.T1));
    showComboText(m_ratio, qt(input.U));
}

} // namespace gear::ui
