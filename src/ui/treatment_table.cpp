// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/treatment_table.h"

#include "ui/grid_frame.h"

#include <QLabel>

namespace gear::ui {

void addTreatmentHead(GridFrame* table, const char* name)
{
    // One head over the two sub-columns, whose words end under each of them:
    // the head reads "Средняя твёрдость зубьев на поверхности в сердцевине
    // основания" across the three cells, each word once.
    table->addCell(tableCell(table, nullptr, QString()), 0, 0, 2, 1);
    table->addCell(new QWidget(table), 0, 1, 2, 1);
    table->addCell(tableCell(table, name, QStringLiteral("Средняя твёрдость зубьев")), 0, 2, 1, 2);
    table->addCell(tableCell(table, nullptr, QStringLiteral("на поверхности")), 1, 2);
    table->addCell(tableCell(table, nullptr, QStringLiteral("в сердцевине основания")), 1, 3);
}

} // namespace gear::ui
