// Renders the program's screens offscreen into PNG files, for the README and
// for looking at every screen without clicking through the chains.
#include "ui/application.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace {

void save(QWidget& widget, const QDir& folder, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screens FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    gear::ui::Session session;
    save(session.mainWindow(), folder, QStringLiteral("Nachalo"));
    for (int i = 0; i < gear::kScreenCount; ++i) {
        const auto id = static_cast<gear::ScreenId>(i);
        auto& screen = session.screens().load(id);
        save(screen, folder, screen.objectName());
        screen.hide();
    }
    return 0;
}
