// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/oshibka1.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Oshibka1::Oshibka1(Screens& screens) : Screen(ScreenId::oshibka1, screens, tr("Ошибка"))
{
    QLabel* message = makeLabel(this, "Label1", tr("Выберите один из стандартных модулей"));
    makeBold(message);
    auto* ok = makeOkButton();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace gear::ui
