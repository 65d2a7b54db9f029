// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/okonchanie.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/grid_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Okonchanie::Okonchanie(Screens& screens) : Screen(ScreenId::okonchanie, screens)
{
    auto* table = new GridFrame(this);
    for (const TableCell& cell : entry().cells) {
        const std::string name(cell.control);
        QLabel* label = makeLabel(table, name.empty() ? nullptr : name.c_str(), text(cell.text));
        if (cell.row == 0) {
            label->setAlignment(Qt::AlignCenter);
            makeBold(label);
        } else if (cell.column == 1) {
            label->setAlignment(Qt::AlignCenter);
        } else if (cell.column >= 2) {
            // The pinion's and the wheel's numbers.
            label->setMinimumWidth(130);
            label->setAlignment(Qt::AlignCenter);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        table->addCell(label, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    // The verdicts and checks under the table, each shown when it says
    // something; the first is their heading.
    bool heading = true;
    for (const Display& display : entry().displays) {
        if (!display.note)
            continue;
        const std::string name(display.control);
        QLabel* note = makeLabel(this, name.c_str(), QString());
        note->setWordWrap(true);
        note->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (heading)
            makeBold(note);
        heading = false;
        note->hide();
        layout->addWidget(note);
    }
    layout->addLayout(buttonRow(makeButtons()));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace gear::ui
