// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/czakalka2.h"

#include "material/treatment_method.h"
#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/treatment_table.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

Czakalka2::Czakalka2(Screens& screens) : Screen(ScreenId::Czakalka2, screens, tr("Способ обработки"))
{
    auto* table = new GridFrame(this);
    addTreatmentHead(table, "Label7");
    struct Row {
        const char* label;
        const char* caption;
        const char* surface;
        const char* core; // none: the surface value stands for both
    };
    const Row rows[] = {
        {"Label1", QT_TR_NOOP("Объемная закалка"), "45...56 HRC", nullptr},
        {"Label2", QT_TR_NOOP("Поверхностная закалка ТВЧ"), "48...58 HRC", "25...35 HRC"},
        {"Label3", QT_TR_NOOP("Цементация"), "57...63 HRC", "30...45 HRC"},
        {"Label4", QT_TR_NOOP("Нитроцементация"), "56...63 HRC", "30...45 HRC"},
        {"Label5", QT_TR_NOOP("Азотирование"), "50...60 HRC", "24...40 HRC"},
    };
    int gridRow = 2;
    for (const Row& row : rows) {
        QLabel* treatment = tableCell(table, row.label, tr(row.caption));
        treatment->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->addCell(treatment, gridRow, 0);
        const QByteArray name = "Option" + QByteArray::number(gridRow - 1);
        m_options.push_back(table->addOption(name.constData(), tr(row.caption), gridRow, 1));
        if (row.core) {
            table->addCell(tableCell(table, nullptr, QString::fromUtf8(row.surface)), gridRow, 2);
            table->addCell(tableCell(table, nullptr, QString::fromUtf8(row.core)), gridRow, 3);
        } else {
            table->addCell(tableCell(table, nullptr, QString::fromUtf8(row.surface)), gridRow, 2, 1, 2);
        }
        ++gridRow;
    }
    auto* ok = makeOkButton();
    layOut(table, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &Czakalka2::onOk);
}

void Czakalka2::onOk()
{
    follow(chooseSurfaceHardening(state(), markedOption(m_options)));
}

void Czakalka2::showOption(int option)
{
    markOption(m_options, option);
}

} // namespace gear::ui
