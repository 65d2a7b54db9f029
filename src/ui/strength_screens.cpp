#include "ui/strength_screens.h"

#include "shell/reference_tables.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"
#include "ui/screens.h"
#include "ui/vibor.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

namespace {

// A prompt above its field, as the input screens lay them out.
void addPrompt(QVBoxLayout* layout, QWidget* prompt, QWidget* field)
{
    layout->addWidget(prompt);
    layout->addWidget(field);
    layout->addSpacing(6);
}

QWidget* withBeta(QWidget* parent, QLabel* prompt)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prompt);
    layout->addWidget(makeBetaPicture(row));
    layout->addStretch();
    return row;
}

std::string text(const QLineEdit* field)
{
    return field->text().toStdString();
}

} // namespace

Vvod2::Vvod2(Screens& screens) : Screen(ScreenId::Vvod2, screens, QStringLiteral("Ввод исходных данных"))
{
    m_teeth = makeTextField(this, "Text1");
    m_angle = makeTextField(this, "Text2");
    m_torque = makeTextField(this, "Text3");
    m_ratio = makeComboBox(this, "Combo1");
    auto* ok = makeOkButton();
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    addPrompt(layout, makeLabel(this, "Label1", QStringLiteral("Введите число зубьев шестерни Z1")), m_teeth);
    addPrompt(layout, withBeta(this, makeLabel(this, "Label3", QStringLiteral(" Введите угол наклона зубьев"))),
              m_angle);
    addPrompt(layout, makeLabel(this, "Label6", QStringLiteral("Введите вращающий момент Т,н м")), m_torque);
    addPrompt(layout, makeLabel(this, "Label7", QStringLiteral("Выберете передаточное отношение U")), m_ratio);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(340);

    connect(ok, &QPushButton::clicked, this, &Vvod2::onOk);
}

void Vvod2::fillRatioList()
{
    if (m_ratio->count() > 0)
        return;
    for (std::string_view ratio : kGearRatios)
        m_ratio->addItem(qt(ratio));
    m_ratio->setCurrentIndex(-1);
}

void Vvod2::onOk()
{
    const TransmissionInput input{text(m_teeth), text(m_angle), text(m_torque), m_ratio->currentText().toStdString()};
    const Outcome outcome = designTransmission(state(), input);
    if (!outcome.refused())
        screens().load<Vibor>(ScreenId::Vibor).presetCalculatedModule(state().m);
    follow(outcome);
}

Vvod3::Vvod3(Screens& screens) : Screen(ScreenId::Vvod3, screens, QStringLiteral("Ввод данных"))
{
    m_diameter = makeTextField(this, "Text1");
    m_teeth = makeTextField(this, "Text2");
    m_angle = makeTextField(this, "Text3");
    m_width = makeTextField(this, "Text4");
    auto* ok = makeOkButton();
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    addPrompt(layout, makeLabel(this, "Label1", QStringLiteral("Введите делительный диаметр колеса, мм")), m_diameter);
    addPrompt(layout, makeLabel(this, "Label2", QStringLiteral("Введите число зубьев колеса")), m_teeth);
    addPrompt(layout, makeLabel(this, "Label3", QStringLiteral("Введите угол наклона зубьев, град")), m_angle);
    addPrompt(layout, makeLabel(this, "Label4", QStringLiteral("Введите ширину зубчатого венца, мм")), m_width);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(340);

    connect(ok, &QPushButton::clicked, this, &Vvod3::onOk);
}

void Vvod3::onOk()
{
    const Outcome outcome = checkWheel(state(), {text(m_diameter), text(m_teeth), text(m_angle), text(m_width)});
    if (!outcome.refused())
        screens().load<Result>(ScreenId::result).presetLoad(state().Tcalc);
    follow(outcome);
}

Result::Result(Screens& screens) : Screen(ScreenId::result, screens, QStringLiteral("Результаты расчётов"))
{
    m_load = makeLabel(this, "Label2", QString());
    m_load->setTextInteractionFlags(Qt::TextSelectableByMouse);
    makeBold(m_load);
    auto* ok = makeOkButton();
    ok->setDefault(true);

    auto* line = new QHBoxLayout;
    line->addWidget(makeLabel(this, "Label1", QStringLiteral("Расчётная нагрузка равна")));
    line->addWidget(m_load);
    line->addWidget(makeLabel(this, "Label3", QStringLiteral("Нм")));
    line->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(340);

    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

QList<QStringList> Result::resultRows() const
{
    if (m_load->text().isEmpty())
        return {};
    return {{QStringLiteral("Расчётная нагрузка равна"), m_load->text(), QStringLiteral("Нм")}};
}

void Result::presetLoad(Number load)
{
    m_load->setText(shown(load));
}

} // namespace gear::ui
