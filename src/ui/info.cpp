// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include "gear_version.h"

#include <QLabel>
#include <QVBoxLayout>

namespace gear::ui {

Info::Info(Screens& screens) : Screen(ScreenId::info, screens)
{
    auto* text = makeLabel(this, "Label1", caption("Label1"));
    text->setFont(times(9.75));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setStyleSheet(QStringLiteral("color: black;"));
    setStyleSheet(QStringLiteral("QDialog#info { background-color: rgb(192, 192, 192); }"));
    // Which program it is, and on what terms a lecturer may hand it out,
    // below the about text that stays as it is.
    auto* details = makeLabel(this, "Label2",
                              tr("Версия %1. Свободная программа: её можно распространять и изменять на "
                                 "условиях GNU GPL версии 3 или более поздней.")
                                  .arg(QStringLiteral(GEAR_VERSION)));
    details->setFont(times(9.75));
    details->setWordWrap(true);
    details->setAlignment(Qt::AlignBottom | Qt::AlignLeft);
    details->setStyleSheet(QStringLiteral("color: black;"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(text, 1);
    layout->addWidget(details);
    setFixedSize(464, 318);
}

} // namespace gear::ui
