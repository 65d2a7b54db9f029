// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/option_screen.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/text_conversion.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

OptionScreen::OptionScreen(ScreenId id, Screens& screens) : Screen(id, screens)
{
    QWidget* content = entry().layout == ScreenLayout::TreatmentTable ? makeTreatmentTable() : makeColumns();
    layOut(content, makeButtons().front());
    groupOptions(this, options());
}

QWidget* OptionScreen::makeTreatmentTable()
{
    auto* table = new GridFrame(this);
    const std::vector<TableCell>& cells = entry().cells;
    // The head's first cell over the treatments, an empty one over the
    // options, then its words over the hardness.
    table->addCell(tableCell(table, nullptr, QString()), 0, 0, 2, 1);
    table->addCell(new QWidget(table), 0, 1, 2, 1);
    for (const TableCell& cell : cells) {
        if (cell.row >= 2 || cell.column < 2)
            continue;
        const std::string name(cell.control);
        table->addCell(tableCell(table, name.empty() ? nullptr : name.c_str(), text(cell.text)), cell.row, cell.column,
                       cell.rowSpan, cell.columnSpan);
    }
    int row = 2;
    for (const OptionInput& option : entry().options) {
        const std::string label(option.label);
        const std::string name(option.control);
        QLabel* treatment = tableCell(table, label.c_str(), text(option.caption));
        treatment->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->addCell(treatment, row, 0);
        table->addOption(name.c_str(), text(option.caption), row, 1);
        for (const TableCell& cell : cells) {
            if (cell.row != row)
                continue;
            const std::string cellName(cell.control);
            table->addCell(tableCell(table, cellName.empty() ? nullptr : cellName.c_str(), text(cell.text)), cell.row,
                           cell.column, cell.rowSpan, cell.columnSpan);
        }
        ++row;
    }
    return table;
}

QWidget* OptionScreen::makeColumns()
{
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    const std::vector<OptionInput>& choices = entry().options;
    const int columns = static_cast<int>(choices.size());
    // Under a prompt, the grades' names over their options; else the
    // options' own captions as bold heads.
    const bool prompted = !entry().captions.empty();
    int row = 0;
    if (prompted) {
        grid->setHorizontalSpacing(24);
        const Caption& prompt = entry().captions.front();
        const std::string name(prompt.control);
        QLabel* heading = makeLabel(content, name.c_str(), text(prompt.text));
        makeBold(heading);
        grid->addWidget(heading, row++, 0, 1, columns, Qt::AlignHCenter);
    } else {
        grid->setHorizontalSpacing(48);
    }
    for (int column = 0; column < columns; ++column) {
        const OptionInput& choice = choices[static_cast<size_t>(column)];
        const std::string label(choice.label);
        const std::string name(choice.control);
        QLabel* head = makeLabel(content, label.c_str(), text(choice.caption));
        if (!prompted)
            makeBold(head);
        grid->addWidget(head, row, column, Qt::AlignHCenter);
        QRadioButton* option = makeOption(content, name.c_str());
        option->setAccessibleName(head->text());
        grid->addWidget(option, row + 1, column, Qt::AlignHCenter);
    }
    return content;
}

} // namespace gear::ui
