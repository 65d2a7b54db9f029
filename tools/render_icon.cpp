// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the scalable icon into the PNG sizes of the hicolor icon theme:
//   render_icon ICON.svg FOLDER SIZE…
// writes FOLDER/SIZExSIZE/apps/NAME.png for each size, NAME being the SVG
// file's name. The build runs it, so the PNG files always match the SVG.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Images only: painting into a QImage needs no application object and
    // no window system, and so nothing about the screen gets into the files.
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg FOLDER SIZE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int k = 3; k < argc; ++k) {
        const int size = QByteArray(argv[k]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "render_icon: %s is not a size in pixels\n", argv[k]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(sub) || !image.save(folder.filePath(sub + QLatin1Char('/') + name))) {
            std::fprintf(stderr, "render_icon: cannot write the %d px icon into %s\n", size, argv[2]);
            return 1;
        }
    }
    return 0;
}
