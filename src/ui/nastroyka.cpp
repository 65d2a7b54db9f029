// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/nastroyka.h"

#include "ui/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gear::ui {

Nastroyka::Nastroyka(Screens& screens) : Screen(ScreenId::nastroyka, screens)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    const std::vector<TextInput>& fields = entry().texts;
    for (size_t i = 0; i < fields.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string captionName(fields[i].label);
        const std::string meaningName(entry().captions[i].control);
        const std::string fieldName(fields[i].control);
        QLabel* caption = makeLabel(this, captionName.c_str(), text(fields[i].caption));
        grid->addWidget(caption, row, 0);
        const QString meaning = text(entry().captions[i].text);
        grid->addWidget(makeLabel(this, meaningName.c_str(), meaning), row, 1);
        QLineEdit* field = makeTextField(this, fieldName.c_str());
        nameField(caption, field, QStringLiteral(", ") + meaning);
        field->setMaximumWidth(90);
        grid->addWidget(field, row, 2);
    }
    auto* ok = makeButtons().front();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignTop);
}

} // namespace gear::ui
