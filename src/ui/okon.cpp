// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/okon.h"

#include "material/steel_table.h"
#include "ui/controls.h"
#include "ui/grid_frame.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace gear::ui {

Okon::Okon(Screens& screens) : Screen(ScreenId::okon, screens)
{
    // sigmaF1, sigmaF2 in the first column pair, sigmaH1, sigmaH2 in the second.
    auto* stresses = new QGridLayout;
    for (size_t i = 0; i < 4; ++i) {
        const int row = static_cast<int>(i % 2);
        const int column = static_cast<int>(i / 2) * 2;
        const std::string caption(entry().captions[i].control);
        const std::string value(entry().displays[i].control);
        stresses->addWidget(makeLabel(this, caption.c_str(), text(entry().captions[i].text)), row, column);
        QLabel* shown = makeLabel(this, value.c_str(), QString());
        shown->setMinimumWidth(140);
        stresses->addWidget(shown, row, column + 1);
    }
    stresses->setColumnStretch(4, 1);

    // The steel rows are aligned by blanks, so the list and the heads share
    // one fixed-pitch font and the heads take the columns' widths.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int advance = QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0'));
    const std::array<int, 10> columnWidths = steelColumnWidths(coreTranslator());
    auto* heads = new GridFrame(this);
    heads->grid()->setContentsMargins(0, 0, 0, 0);
    for (const TableCell& cell : entry().cells) {
        const std::string name(cell.control);
        auto* head = makeLabel(heads, name.c_str(), text(cell.text));
        head->setAlignment(Qt::AlignCenter);
        int width = 0;
        for (int column = cell.column; column < cell.column + cell.columnSpan; ++column)
            width += columnWidths[static_cast<size_t>(column)] * advance;
        head->setFixedWidth(width);
        heads->addCell(head, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        head->setMargin(1);
    }

    const std::string listName(entry().listControl);
    QComboBox* steels = makeComboBox(this, listName.c_str());
    steels->setEditable(false);
    steels->setFont(fixed);
    steels->setAccessibleName(text(entry().listCaption));
    // The heads start where the list's text starts, past the box's frame.
    QStyleOptionComboBox box;
    box.initFrom(steels);
    box.rect = QRect(QPoint(0, 0), steels->sizeHint());
    const QRect field =
        steels->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, steels);
    heads->setContentsMargins(field.left() + 1, 0, 0, 0);
    // The empty item, then the steels.
    for (int index = 0; index <= static_cast<int>(kSteelRows.size()); ++index)
        steels->addItem(qt(steelItemText(index, coreTranslator())));
    steels->setCurrentIndex(-1);
    auto* ok = makeButtons().front();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stresses);
    layout->addSpacing(6);
    layout->addWidget(heads);
    layout->addWidget(steels);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace gear::ui
