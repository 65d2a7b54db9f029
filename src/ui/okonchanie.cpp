// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/okonchanie.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/grid_frame.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/vivod4.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Okonchanie::Okonchanie(Screens& screens) : Screen(ScreenId::okonchanie, screens, QStringLiteral("Результаты расчётов"))
{
    auto* table = new GridFrame(this);
    auto head = [table](const char* name, const char* text) {
        QLabel* label = makeLabel(table, name, QString::fromUtf8(text));
        label->setAlignment(Qt::AlignCenter);
        makeBold(label);
        return label;
    };
    table->addCell(head("Label1", "Параметр"), 0, 0);
    table->addCell(head("Label2", "Единица величины"), 0, 1);
    table->addCell(head("Label3", "Шестерня"), 0, 2);
    table->addCell(head(nullptr, "колесо"), 0, 3);
    struct Row {
        const char* name;
        const char* caption;
        const char* unit;
    };
    const std::array<Row, 7> rows{{
        {"Label4", "Нормальный модуль", "мм"},
        {"Label5", "Число зубьев", "--"},
        {"Label6", "Угол наклона зубьев", "град"},
        {"Label7", "Диаметр выступов", "мм"},
        {"Label8", "Диаметр впадин", "мм"},
        {"Label9", "Диаметр делительной окружности", "мм"},
        {"Label10", "Марка стали зубчатого венца", ""},
    }};
    for (int row = 0; row < 7; ++row) {
        const Row& entry = rows[static_cast<size_t>(row)];
        m_captions[static_cast<size_t>(row)] = makeLabel(table, entry.name, QString::fromUtf8(entry.caption));
        table->addCell(m_captions[static_cast<size_t>(row)], row + 1, 0);
        QLabel* unit = makeLabel(table, row == 0 ? "Label11" : nullptr, QString::fromUtf8(entry.unit));
        m_units[static_cast<size_t>(row)] = unit;
        unit->setAlignment(Qt::AlignCenter);
        table->addCell(unit, row + 1, 1);
        const QByteArray pinion = "Label" + QByteArray::number(12 + row);
        const QByteArray wheel = "Label" + QByteArray::number(19 + row);
        m_pinion[static_cast<size_t>(row)] = makeLabel(table, pinion.constData(), QString());
        m_wheel[static_cast<size_t>(row)] = makeLabel(table, wheel.constData(), QString());
        for (QLabel* value : {m_pinion[static_cast<size_t>(row)], m_wheel[static_cast<size_t>(row)]}) {
            value->setMinimumWidth(130);
            value->setAlignment(Qt::AlignCenter);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        table->addCell(m_pinion[static_cast<size_t>(row)], row + 1, 2);
        table->addCell(m_wheel[static_cast<size_t>(row)], row + 1, 3);
    }
    auto* drawing = makeButton(this, "Command1", QStringLiteral("Показать рисунок"));
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
    const std::array<Number, 6> pinion{s.m, s.Z1, s.beta, s.da, s.df, s.d};
    const std::array<Number, 6> wheel{s.m, s.Z2, s.beta, s.da2, s.df2, s.d2};
    for (size_t row = 0; row < 6; ++row) {
        m_pinion[row]->setText(shown(pinion[row]));
        m_wheel[row]->setText(shown(wheel[row]));
    }
}

void Okonchanie::presetGrade()
{
    const QString grade = qt(state().steelGrade);
    m_pinion[6]->setText(grade);
    m_wheel[6]->setText(grade);
}

QList<QStringList> Okonchanie::resultRows() const
{
    QList<QStringList> rows{{QStringLiteral("Параметр"), QStringLiteral("Единица величины"), QStringLiteral("Шестерня"),
                             QStringLiteral("колесо")}};
    for (size_t row = 0; row < m_pinion.size(); ++row)
        rows.append({m_captions[row]->text(), m_units[row]->text(), m_pinion[row]->text(), m_wheel[row]->text()});
    return rows;
}

void Okonchanie::showDrawing()
{
    auto& drawing = screens().load<Vivod4>(ScreenId::vivod4);
    drawing.choosePicture(state().da);
    drawing.present();
}

} // namespace gear::ui
