// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/oshibka1.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Oshibka1::Oshibka1(Screens& screens) : Screen(ScreenId::oshibka1, screens)
{
    QLabel* message = makeLabel(this, "Label1", caption("Label1"));
    makeBold(message);
    auto* ok = makeButtons().front();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace gear::ui
