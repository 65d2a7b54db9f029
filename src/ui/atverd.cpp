// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/atverd.h"

#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QLabel>
#include <QPushButton>

namespace gear::ui {

namespace {

// The course's captions break long words with a hyphen and a blank; the
// break stands where the hyphen is.
QString hyphenated(QString caption)
{
    return caption.replace(QStringLiteral("- "), QStringLiteral("-\n"));
}

} // namespace

ATverd::ATverd(Screens& screens) : Screen(ScreenId::ATverd, screens)
{
    auto* table = new GridFrame(this);
    const std::vector<TableCell>& cells = entry().cells;
    auto addCell = [&](const TableCell& cell) {
        const std::string name(cell.control);
        // The areas of use wrap within their column.
        const bool area = cell.column == 0 && cell.row >= 2;
        QLabel* label = tableCell(table, name.empty() ? nullptr : name.c_str(),
                                  area ? hyphenated(text(cell.text)) : text(cell.text), area ? 210 : 0);
        table->addCell(label, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    };
    for (const TableCell& cell : cells) {
        if (cell.row < 2)
            addCell(cell);
    }
    // The head's last column stands over the options.
    table->addCell(new QWidget(table), 0, 5, 2, 1);
    const int rows = static_cast<int>(entry().options.size());
    for (int row = 2; row < rows + 2; ++row) {
        for (const TableCell& cell : cells) {
            if (cell.row == row)
                addCell(cell);
        }
        // A screen reader names the row a mark takes.
        const size_t option = static_cast<size_t>(row - 2);
        const std::string name(entry().options[option].control);
        table->addOption(name.c_str(), qt(optionDescription(entry(), option, coreTranslator())), row, 5);
    }
    layOut(table, makeButtons().front());
    groupOptions(this, options());
}

} // namespace gear::ui
