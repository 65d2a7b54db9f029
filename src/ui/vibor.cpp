// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vibor.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vibor::Vibor(Screens& screens) : Screen(ScreenId::Vibor, screens)
{
    auto* caption = makeLabel(this, "Label1", this->caption("Label1"));
    const std::string shown(entry().displays.front().control);
    auto* module = makeLabel(this, shown.c_str(), QString());
    module->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* advice = makeLabel(this, "Label2", this->caption("Label2"));
    advice->setWordWrap(true);
    auto* heading = makeLabel(this, "Label5", this->caption("Label5"));
    heading->setAlignment(Qt::AlignCenter);
    const TextInput& firstRow = entry().texts[0];
    const TextInput& secondRow = entry().texts[1];
    auto makeRow = [this](const TextInput& input) {
        const std::string name(input.control);
        QComboBox* row = makeComboBox(this, name.c_str());
        for (const std::string& item : listItems(input.items, decimalSeparator()))
            row->addItem(qt(item));
        row->setCurrentIndex(-1);
        return row;
    };
    QComboBox* row1 = makeRow(firstRow);
    QComboBox* row2 = makeRow(secondRow);
    // The session says what the module picked does to the teeth, before the Ok.
    for (QComboBox* row : {row1, row2})
        connect(row, &QComboBox::currentTextChanged, this, &Vibor::runPreview);
    const std::string noteName(entry().displays.back().control);
    auto* note = makeLabel(this, noteName.c_str(), QString());
    note->setWordWrap(true);
    note->hide();
    auto* ok = makeButtons().front();

    for (QLabel* label : {caption, module, heading})
        makeBold(label);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(module, 1);
    auto* rows = new QGridLayout;
    const std::string firstName(firstRow.label);
    const std::string secondName(secondRow.label);
    QLabel* first = makeLabel(this, firstName.c_str(), text(firstRow.caption));
    QLabel* second = makeLabel(this, secondName.c_str(), text(secondRow.caption));
    nameField(first, row1, QStringLiteral(", ") + heading->text());
    nameField(second, row2, QStringLiteral(", ") + heading->text());
    rows->addWidget(first, 0, 0, Qt::AlignHCenter);
    rows->addWidget(second, 0, 1, Qt::AlignHCenter);
    rows->addWidget(row1, 1, 0);
    rows->addWidget(row2, 1, 1);
    rows->setHorizontalSpacing(24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(advice);
    layout->addSpacing(8);
    layout->addWidget(heading);
    layout->addLayout(rows);
    layout->addWidget(note);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(420);
}

} // namespace gear::ui
