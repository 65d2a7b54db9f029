// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "ui/number_display.h"
#include "ui/translation.h"

#include <QApplication>
#include <QCommandLineParser>
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

CommandLineOptions describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("gear::ui::CommandLine", "Расчёт зубчатых колёс для курса «Детали машин»."));
    CommandLineOptions options{parser.addHelpOption(), parser.addVersionOption()};
    // File managers pass the calculation file a student double-clicked.
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("gear::ui::CommandLine", "Файл расчёта (.gear), который нужно открыть."),
        QStringLiteral("[file]"));
    return options;
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
