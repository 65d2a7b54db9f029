// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Result::Result(Screens& screens) : Screen(ScreenId::result, screens)
{
    const std::string shown(entry().displays.front().control);
    QLabel* load = makeLabel(this, shown.c_str(), QString());
    load->setTextInteractionFlags(Qt::TextSelectableByMouse);
    makeBold(load);
    auto* ok = makeButtons().front();

    auto* line = new QHBoxLayout;
    line->addWidget(makeLabel(this, "Label1", caption("Label1")));
    line->addWidget(load);
    line->addWidget(makeLabel(this, "Label3", caption("Label3")));
    line->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(340);
}

} // namespace gear::ui
