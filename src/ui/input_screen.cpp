// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input_screen.h"

#include "ui/beta_picture.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/input_form.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

InputScreen::InputScreen(ScreenId id, Screens& screens) : Screen(id, screens)
{
    const std::vector<TextInput>& inputs = entry().texts;
    // The fields first, so that Tab runs down them before the Ok button.
    std::vector<QWidget*> fields;
    for (const TextInput& input : inputs) {
        const std::string name(input.control);
        if (input.items == ItemList::None) {
            fields.push_back(makeTextField(this, name.c_str()));
            continue;
        }
        QComboBox* list = makeComboBox(this, name.c_str());
        for (const std::string& item : listItems(input.items, decimalSeparator()))
            list->addItem(qt(item));
        list->setCurrentIndex(-1);
        fields.push_back(list);
    }
    QPushButton* ok = makeButtons().front();

    if (entry().layout == ScreenLayout::Prompts) {
        auto* layout = new QVBoxLayout(this);
        for (size_t i = 0; i < inputs.size(); ++i) {
            const std::string label(inputs[i].label);
            QLabel* prompt = makeLabel(this, label.c_str(), text(inputs[i].caption));
            if (inputs[i].helixAngle)
                addPromptWithBeta(layout, prompt, fields[i]);
            else
                addPrompt(layout, prompt, fields[i]);
        }
        layout->addWidget(ok, 0, Qt::AlignHCenter);
        setFixedWidth(340);
        return;
    }
    // The wheel's input: prompts beside fixed-width fields.
    ok->setFont(times(15.75, true));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string label(inputs[i].label);
        QLabel* prompt = makeLabel(this, label.c_str(), text(inputs[i].caption));
        prompt->setFont(times(11.25, true));
        nameField(prompt, fields[i], inputs[i].helixAngle ? QStringLiteral(" β") : QString());
        if (inputs[i].helixAngle) {
            auto* withPicture = new QHBoxLayout;
            withPicture->addWidget(prompt);
            withPicture->addWidget(makeBetaPicture(this));
            withPicture->addStretch();
            grid->addLayout(withPicture, row, 0);
        } else {
            grid->addWidget(prompt, row, 0);
        }
        fields[i]->setFixedWidth(120);
        grid->addWidget(fields[i], row, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace gear::ui
