// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vvod3.h"

#include "strength/check_calculation.h"
#include "ui/controls.h"
#include "ui/input_form.h"
#include "ui/result.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vvod3::Vvod3(Screens& screens) : Screen(ScreenId::Vvod3, screens, tr("Ввод данных"))
{
    m_diameter = makeTextField(this, "Text1");
    m_teeth = makeTextField(this, "Text2");
    m_angle = makeTextField(this, "Text3");
    m_width = makeTextField(this, "Text4");
    auto* ok = makeOkButton();

    auto* layout = new QVBoxLayout(this);
    addPrompt(layout, makeLabel(this, "Label1", tr("Введите делительный диаметр колеса, мм")), m_diameter);
    addPrompt(layout, makeLabel(this, "Label2", tr("Введите число зубьев колеса")), m_teeth);
    addPrompt(layout, makeLabel(this, "Label3", tr("Введите угол наклона зубьев, град")), m_angle);
    addPrompt(layout, makeLabel(this, "Label4", tr("Введите ширину зубчатого венца, мм")), m_width);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(340);

    connect(ok, &QPushButton::clicked, this, &Vvod3::onOk);
}

void Vvod3::onOk()
{
    const CheckInput input{utf8(m_diameter->text()), utf8(m_teeth->text()), utf8(m_angle->text()),
                           utf8(m_width->text())};
    const Outcome outcome = checkPermissibleLoad(state(), input);
    presetNext(outcome);
    follow(outcome);
}

void Vvod3::presetNext(const Outcome& outcome)
{
    if (!outcome.refused())
        screens().load<Result>(ScreenId::result).presetLoad(state().Tcalc);
}

void Vvod3::showInput(const CheckInput& input)
{
    m_diameter->setText(qt(input.d));
    m_teeth->setText(qt(input.z));
    m_angle->setText(qt(input.beta));
    m_width->setText(qt(input.b));
}

} // namespace gear::ui
