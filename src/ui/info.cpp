// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace gear::ui {

Info::Info(Screens& screens) : Screen(ScreenId::info, screens, tr("Справка"))
{
    auto* text = makeLabel(this, "Label1",
                           tr("Данная програма предназначена для закрепления знаний полученных "
                              "студентами на лекциях по дисциплине \"Детали машин\"."));
    text->setFont(times(9.75));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setStyleSheet(QStringLiteral("color: black;"));
    setStyleSheet(QStringLiteral("QDialog#info { background-color: rgb(192, 192, 192); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(text);
    setFixedSize(464, 318);
}

} // namespace gear::ui
