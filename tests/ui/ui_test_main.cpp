// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Test discovery runs this binary without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    // Captions are compared with a point; the regional separator has its own test.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
