// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "ui/translation.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

// The pictures are compiled into the screens' static library.
static void loadPictures()
{
    Q_INIT_RESOURCE(art);
}

namespace gear::ui {

void setUpApplication(QApplication&)
{
    loadPictures();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gearwheel.png")));
    QApplication::setApplicationName(QStringLiteral("gearwheel"));
    installTranslations(QLocale::system());
}

Session::Session() = default;

} // namespace gear::ui
