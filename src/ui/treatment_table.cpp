// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/treatment_table.h"

#include "ui/grid_frame.h"

#include <QLabel>

namespace gear::ui {

void addTreatmentHead(GridFrame* table, const char* name)
{
    table->addCell(tableCell(table, nullptr, QString()), 0, 0, 2, 1);
    table->addCell(new QWidget(table), 0, 1, 2, 1);
    table->addCell(
        tableCell(table, name, QStringLiteral("Средняя твёрдость зубьев на поверхности в сердцевине основания"), 260),
        0, 2, 1, 2);
    table->addCell(tableCell(table, nullptr, QStringLiteral("на поверхности")), 1, 2);
    table->addCell(tableCell(table, nullptr, QStringLiteral("в сердцевине")), 1, 3);
}

} // namespace gear::ui
