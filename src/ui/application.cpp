// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "ui/number_display.h"
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

// The numbers in the desktop's separator, the words in the language the
// program speaks when each is written.
Program::Program()
    : m_session(decimalSeparator(), [](std::string_view context, std::string_view source) {
          return gear::translated(coreTranslator(), context, source);
      })
{
}

} // namespace gear::ui
