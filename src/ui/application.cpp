// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The pictures are compiled into the screens' static library.
static void loadPictures()
{
    Q_INIT_RESOURCE(art);
}

namespace gear::ui {

void setUpApplication(QApplication& app)
{
    loadPictures();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gearwheel.png")));
    QApplication::setApplicationName(QStringLiteral("gearwheel"));
    // The program speaks Russian whatever the desktop's language, so Qt's own
    // buttons and dialogs should too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

Session::Session() = default;

} // namespace gear::ui
