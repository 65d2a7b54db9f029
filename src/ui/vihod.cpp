// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vihod.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vihod::Vihod(Screens& screens) : Screen(ScreenId::vihod, screens)
{
    auto* question = makeLabel(this, "Label1", caption("Label1"));
    question->setFont(times(12, true));
    question->setStyleSheet(QStringLiteral("color: #000080;"));
    question->setAlignment(Qt::AlignCenter);
    const std::vector<QPushButton*> answers = makeButtons();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(answers[0]);
    buttons->addStretch();
    buttons->addWidget(answers[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    setFixedSize(427, 107);

    connect(answers[0], &QPushButton::clicked, this, &Vihod::exitConfirmed);
}

} // namespace gear::ui
