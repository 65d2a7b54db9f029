// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vvod.h"

#include "geometry/wheel_input.h"
#include "ui/beta_picture.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/vibor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace gear::ui {

Vvod::Vvod(Screens& screens) : Screen(ScreenId::Vvod, screens, tr("Ввод исходных данных"))
{
    m_teeth = makeTextField(this, "Text1");
    m_angle = makeTextField(this, "Text2");
    m_shaft = makeTextField(this, "Text4");
    m_tip = makeTextField(this, "Text5");
    m_width = makeTextField(this, "Text6");
    m_hub = makeTextField(this, "Text7");
    auto* ok = makeOkButton();
    ok->setFont(times(15.75, true));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const std::array<std::pair<const char*, const char*>, 6> prompts{{
        {"Label1", QT_TR_NOOP("Введите число зубьев Z")},
        {"Label3", QT_TR_NOOP(" Введите угол наклона зубьев")},
        {"Label5", QT_TR_NOOP("Введите диаметрвала dв,мм ")},
        {"Label6", QT_TR_NOOP("Введите диаметр окружностей вершин da,мм")},
        {"Label7", QT_TR_NOOP("Введите ширину зубчатого венца bw,мм")},
        {"Label9", QT_TR_NOOP("Введите ширину ступицы Lст,мм")},
    }};
    const std::array<QLineEdit*, 6> fields{m_teeth, m_angle, m_shaft, m_tip, m_width, m_hub};
    for (int row = 0; row < 6; ++row) {
        QLabel* prompt =
            makeLabel(this, prompts[static_cast<size_t>(row)].first, tr(prompts[static_cast<size_t>(row)].second));
        prompt->setFont(times(11.25, true));
        nameField(prompt, fields[static_cast<size_t>(row)], row == 1 ? QStringLiteral(" β") : QString());
        if (row == 1) {
            auto* withPicture = new QHBoxLayout;
            withPicture->addWidget(prompt);
            withPicture->addWidget(makeBetaPicture(this));
            withPicture->addStretch();
            grid->addLayout(withPicture, row, 0);
        } else {
            grid->addWidget(prompt, row, 0);
        }
        fields[static_cast<size_t>(row)]->setFixedWidth(120);
        grid->addWidget(fields[static_cast<size_t>(row)], row, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    connect(ok, &QPushButton::clicked, this, &Vvod::onOk);
}

void Vvod::onOk()
{
    auto text = [](const QLineEdit* field) { return utf8(field->text()); };
    const Outcome outcome =
        enterWheel(state(), {text(m_teeth), text(m_angle), text(m_shaft), text(m_tip), text(m_width), text(m_hub)});
    presetNext(outcome);
    follow(outcome);
}

void Vvod::presetNext(const Outcome& outcome)
{
    if (!outcome.refused())
        screens().load<Vibor>(ScreenId::Vibor).presetCalculatedModule(state().mcalc);
}

void Vvod::showInput(const WheelInput& input)
{
    m_teeth->setText(qt(input.Z1));
    m_angle->setText(qt(input.beta));
    m_shaft->setText(qt(input.dv));
    m_tip->setText(qt(input.da));
    m_width->setText(qt(input.bw));
    m_hub->setText(qt(input.Lst));
}

} // namespace gear::ui
