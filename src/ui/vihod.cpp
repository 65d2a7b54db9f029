// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vihod.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vihod::Vihod(Screens& screens) : Screen(ScreenId::vihod, screens, tr("Выход"))
{
    auto* question = makeLabel(this, "Label1", tr("Вы уверены что хотите выйти?"));
    question->setFont(times(12, true));
    question->setStyleSheet(QStringLiteral("color: #000080;"));
    question->setAlignment(Qt::AlignCenter);
    auto* yes = makeOkButton(tr("Да"));
    auto* no = makeButton(this, "Command2", tr("Нет"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addStretch();
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    setFixedSize(427, 107);

    connect(yes, &QPushButton::clicked, this, &Vihod::exitConfirmed);
    connect(no, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace gear::ui
