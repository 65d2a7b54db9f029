// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures into resources/: the main window's picture and
// the icon. Run it after changing the drawings and commit the PNG files.
#include "gear_art.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_art RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool saved = gear::art::mainWindowArt().save(folder.filePath(QStringLiteral("nachalo.png"))) &&
                       gear::art::applicationIcon(256).save(folder.filePath(QStringLiteral("gearwheel.png")));
    return saved ? 0 : 1;
}
