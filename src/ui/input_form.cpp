// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input_form.h"

#include "ui/beta_picture.h"
#include "ui/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace gear::ui {

void addPrompt(QVBoxLayout* layout, QLabel* prompt, QWidget* field)
{
    nameField(prompt, field);
    layout->addWidget(prompt);
    layout->addWidget(field);
    layout->addSpacing(6);
}

void addPromptWithBeta(QVBoxLayout* layout, QLabel* prompt, QWidget* field)
{
    nameField(prompt, field, QStringLiteral(" β"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(prompt);
    row->addWidget(makeBetaPicture(prompt->parentWidget()));
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(field);
    layout->addSpacing(6);
}

} // namespace gear::ui
