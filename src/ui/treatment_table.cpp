// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/treatment_table.h"

#include "ui/grid_frame.h"

#include <QCoreApplication>
#include <QLabel>

namespace gear::ui {

void addTreatmentHead(GridFrame* table, const char* name)
{
    // One head over the two sub-columns, whose words end under each of them:
    // the head reads "Средняя твёрдость зубьев на поверхности в сердцевине
    // основания" across the three cells, each word once.
    const QString head = QCoreApplication::translate("gear::ui::TreatmentTable", "Средняя твёрдость зубьев");
    const QString surface = QCoreApplication::translate("gear::ui::TreatmentTable", "на поверхности");
    const QString core = QCoreApplication::translate("gear::ui::TreatmentTable", "в сердцевине основания");
    table->addCell(tableCell(table, nullptr, QString()), 0, 0, 2, 1);
    table->addCell(new QWidget(table), 0, 1, 2, 1);
    table->addCell(tableCell(table, name, head), 0, 2, 1, 2);
    table->addCell(tableCell(table, nullptr, surface), 1, 2);
    table->addCell(tableCell(table, nullptr, core), 1, 3);
}

} // namespace gear::ui
