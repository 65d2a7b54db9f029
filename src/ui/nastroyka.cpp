// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/nastroyka.h"

#include "ui/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace gear::ui {

namespace {

// Grey that still reads on the window's background (contrast above 4.5).
const QColor kMutedText(0x5f, 0x5f, 0x5f);

} // namespace

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
        QLabel* meaningLabel = makeLabel(this, meaningName.c_str(), meaning);
        grid->addWidget(meaningLabel, row, 1);
        QLineEdit* field = makeTextField(this, fieldName.c_str());
        // Where the coefficient enters, after its field.
        const Caption& use = entry().captions[i + fields.size()];
        const std::string useName(use.control);
        QLabel* useLabel = makeLabel(this, useName.c_str(), text(use.text));
        nameField(caption, field, QStringLiteral(", ") + meaning + QStringLiteral(", ") + useLabel->text());
        field->setMaximumWidth(90);
        grid->addWidget(field, row, 2);
        grid->addWidget(useLabel, row, 3);
        // A coefficient no formula reads stays editable and saved, greyed.
        if (fields[i].muted) {
            for (QWidget* shown : std::initializer_list<QWidget*>{caption, meaningLabel, field, useLabel}) {
                QPalette grey = shown->palette();
                grey.setColor(QPalette::WindowText, kMutedText);
                grey.setColor(QPalette::Text, kMutedText);
                shown->setPalette(grey);
            }
        }
    }
    auto* ok = makeButtons().front();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignTop);
}

} // namespace gear::ui
