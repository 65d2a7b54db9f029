// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"
#include "ui/calculation_document.h"
#include "ui/translation.h"

#include "gear_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <optional>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("gearwheel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GEAR_VERSION));
    QCommandLineParser parser;
    std::optional<gear::ui::CommandLineOptions> options;
    // --help and --version only print, so they are answered before the window
    // system is opened and work on a terminal with no display; --help speaks
    // the language the program would. Qt's own options (-platform …) are
    // unknown to the parser here and left for later.
    {
        QCoreApplication text(argc, argv);
        gear::ui::installTranslations(QLocale::system());
        options = gear::ui::describeCommandLine(parser);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(options->version))
            parser.showVersion();
        if (parser.isSet(options->help))
            parser.showHelp();
    }
    // The note needs fonts and a painter but no window: it is written on a
    // machine with no display too.
    const bool report = parser.isSet(options->report);
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // Wayland finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(GEAR_APP_ID));
    gear::ui::setUpApplication(app);
    parser.process(app);
    if (parser.positionalArguments().size() > (report ? 0 : 1))
        parser.showHelp(1);
    if (report)
        return gear::ui::writeReportCommand(parser, *options);
    gear::ui::Program program;
    QObject::connect(&program.mainWindow(), &gear::ui::Nachalo::exitConfirmed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.mainWindow().show();
    if (!parser.positionalArguments().isEmpty())
        program.mainWindow().document().open(parser.positionalArguments().front());
    return QApplication::exec();
}
