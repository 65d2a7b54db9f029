// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures into resources/: the main window's picture and
// the icon. Run it after changing the drawings and commit the PNG files.
#include "gear_art.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

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
    const QPixmap art = gear::art::mainWindowArt();
    // The web page shows the same picture as a JPEG: a third of the PNG's
    // bytes for a decoration, with no difference one can see at its size.
    const bool saved = art.save(folder.filePath(QStringLiteral("nachalo.png"))) &&
                       art.save(folder.filePath(QStringLiteral("nachalo.jpg")), "JPG", 88) &&
                       gear::art::applicationIcon(256).save(folder.filePath(QStringLiteral("gearwheel.png")));
    return saved ? 0 : 1;
}
