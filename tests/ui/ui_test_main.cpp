// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Test discovery runs this binary without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    // The Russian desktop's pass: QApplication has set the C library's
    // locale from the environment, and only a generated locale writes the
    // decimal comma that pass exists for.
    if (!qEnvironmentVariableIsEmpty("GEAR_EXPECT_DECIMAL_COMMA") && std::localeconv()->decimal_point[0] != ',') {
        std::fprintf(stderr, "The C library's locale %s has no decimal comma: generate ru_RU.UTF-8.\n",
                     std::setlocale(LC_NUMERIC, nullptr));
        return 1;
    }
    // Captions are compared with a point; the regional separator has its own test.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
