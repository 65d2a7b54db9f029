// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/number_display.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Result::Result(Screens& screens) : Screen(ScreenId::result, screens, tr("Результаты расчётов"))
{
    m_load = makeLabel(this, "Label2", QString());
    m_load->setTextInteractionFlags(Qt::TextSelectableByMouse);
    makeBold(m_load);
    auto* ok = makeOkButton();

    auto* line = new QHBoxLayout;
    line->addWidget(makeLabel(this, "Label1", tr("Расчётная нагрузка равна")));
    line->addWidget(m_load);
    line->addWidget(makeLabel(this, "Label3", tr("Нм")));
    line->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(340);

    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void Result::presetLoad(Number load)
{
    m_load->setText(shown(load));
}

} // namespace gear::ui
