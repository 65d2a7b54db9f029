// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"
#include "ui/calculation_document.h"

#include "gear_version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("gearwheel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GEAR_VERSION));
    QCommandLineParser parser;
    // In English, like the option texts Qt adds before its translations load.
    parser.setApplicationDescription(QStringLiteral("Gear wheel calculation for the course of machine elements."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // File managers pass the calculation file a student double-clicked.
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A calculation file (.gear) to open."),
                                 QStringLiteral("[file]"));

    // --help and --version only print, so they are answered before the window
    // system is opened and work on a terminal with no display. Qt's own
    // options (-platform …) are unknown to the parser here and left for later.
    {
        QCoreApplication text(argc, argv);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(version))
            parser.showVersion();
        if (parser.isSet(help))
            parser.showHelp();
    }

    QApplication app(argc, argv);
    // Wayland finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(GEAR_APP_ID));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(1);
    gear::ui::setUpApplication(app);
    gear::ui::Program program;
    QObject::connect(&program.mainWindow(), &gear::ui::Nachalo::exitConfirmed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.mainWindow().show();
    if (!parser.positionalArguments().isEmpty())
        program.mainWindow().document().open(parser.positionalArguments().front());
    return QApplication::exec();
}
