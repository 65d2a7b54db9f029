// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    gear::ui::Session session;
    QObject::connect(&session.mainWindow(), &gear::ui::Nachalo::exitConfirmed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    session.mainWindow().show();
    return QApplication::exec();
}
