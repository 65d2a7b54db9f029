// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTextBrowser>

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <gtest/gtest.h>

namespace gear::test {
namespace {

QString page(Driver& app)
{
    return app.control<QTextBrowser>("hodRascheta", "Text1")->toPlainText();
}

TEST(WalkthroughScreen, SaysWhichModesHaveNotRunAndFollowsEachOk)
{
    Driver app;
    app.menu("mnuSteps");
    ASSERT_TRUE(app.isVisible("hodRascheta"));
    EXPECT_EQ(app.screen("hodRascheta")->windowTitle(), QStringLiteral("Ход расчёта"));
    EXPECT_EQ(page(app).count(QStringLiteral("ещё не выполнялся")), 3);

    app.menu("mnuProv");
    app.choose("trebov2", "Option1");
    app.click("trebov2", "Command1");
    app.choose("Czakalka2", "Option3");
    app.click("Czakalka2", "Command1");
    EXPECT_TRUE(page(app).contains(QStringLiteral("Цементация"))) << "updated while open";
    app.choose("stal4", "Option1");
    app.click("stal4", "Command1");
    app.type("Vvod3", "Text1", QStringLiteral("240"));
    app.type("Vvod3", "Text2", QStringLiteral("60"));
    app.type("Vvod3", "Text4", QStringLiteral("40"));
    app.click("Vvod3", "Command1");
    const QString shown = page(app);
    EXPECT_TRUE(shown.contains(QStringLiteral("Проверочный расчёт допускаемой нагрузки")));
    EXPECT_TRUE(shown.contains(QStringLiteral("1304.02 Н·м")));
    EXPECT_EQ(shown.count(QStringLiteral("ещё не выполнялся")), 2);

    app.type("Vvod3", "Text2", QStringLiteral("0"));
    app.click("Vvod3", "Command1");
    app.answerRefusal();
    EXPECT_TRUE(page(app).contains(QStringLiteral("Расчёт не выполнен: Число зубьев колеса")));
}

TEST(WalkthroughScreen, CopiesThePlainTextAndOffersThePrintDialog)
{
    Driver app;
    app.menu("mnuKol");
    app.typeWheel("40", "84");
    app.click("Vvod", "Command1");
    app.menu("mnuSteps");
    app.click("hodRascheta", "Command1");
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("m = da/(Z/cos β + 2) = 84/(40/1 + 2) = 2 мм"))) << copied.toStdString();

    app.click("hodRascheta", "Command2");
    // The printout is the report, which names its author: asked first, once.
    auto* author = app.screen("hodRascheta")->findChild<QDialog*>(QStringLiteral("reportAuthor"));
    ASSERT_NE(author, nullptr);
    author->accept();
    QDialog* printDialog = app.screen("hodRascheta")->findChild<QDialog*>(QStringLiteral("printDialog"));
    ASSERT_NE(printDialog, nullptr);
    EXPECT_TRUE(printDialog->isVisible());
    printDialog->reject();
}

// The printer behind a print dialog that never finished goes with the
// dialog, and the dialog with the program (LeakSanitizer checks the printer
// itself where the build has it).
TEST(WalkthroughScreen, QuittingWithThePrintDialogOpenLeavesNothingBehind)
{
    QPointer<QDialog> dialog;
    {
        Driver app;
        app.menu("mnuSteps");
        app.click("hodRascheta", "Command2");
        app.screen("hodRascheta")->findChild<QDialog*>(QStringLiteral("reportAuthor"))->accept();
        dialog = app.screen("hodRascheta")->findChild<QDialog*>(QStringLiteral("printDialog"));
        ASSERT_FALSE(dialog.isNull());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QDialog*>(window), nullptr) << window->objectName().toStdString();
}

} // namespace
} // namespace gear::test
