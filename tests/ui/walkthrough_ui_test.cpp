// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "session/session.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

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

// «Самопроверка»: the student types his own values beside the lines, a
// comma or a point alike, and «Проверить» (or Enter in a field) marks each;
// a line right from his own wrong value is told apart, and the values go
// with the work into its file.
TEST(WalkthroughScreen, SelfCheckMarksTheStudentsOwnValues)
{
    Driver app;
    app.toHardenedResults();
    app.menu("mnuSteps");
    app.click("hodRascheta", "Command3");
    ASSERT_NE(app.control<QWidget>("hodRascheta", "Self1"), nullptr);
    EXPECT_TRUE(app.control<QWidget>("hodRascheta", "Self1")->isVisible());
    EXPECT_FALSE(app.control<QWidget>("hodRascheta", "Text1")->isVisible()) << "the numbers are not to be copied";
    // H1 = 59.5, H2 = 59.5, SH, then σH1 = 17·H1 + 200, σH2 = 17·H2 + 200.
    app.type("hodRascheta", "Self1", QStringLiteral("59,5"));
    app.type("hodRascheta", "Self2", QStringLiteral("60"));
    app.type("hodRascheta", "Self4", QStringLiteral("1200"));
    app.type("hodRascheta", "Self5", QStringLiteral("1220"));
    app.click("hodRascheta", "Command4");
    EXPECT_EQ(app.caption("hodRascheta", "Mark1"), QStringLiteral("✓"));
    EXPECT_EQ(app.caption("hodRascheta", "Mark2"), QStringLiteral("✗"));
    EXPECT_EQ(app.caption("hodRascheta", "Mark3"), QString());
    EXPECT_EQ(app.caption("hodRascheta", "Mark4"), QStringLiteral("✗"));
    EXPECT_TRUE(app.caption("hodRascheta", "Own4").contains(QStringLiteral("17·59")))
        << app.caption("hodRascheta", "Own4").toStdString();
    EXPECT_EQ(app.caption("hodRascheta", "Mark5"), QStringLiteral("✓ верно по вашим данным"));
    EXPECT_TRUE(app.caption("hodRascheta", "Label1").startsWith(QStringLiteral("Верно: 1, верно по вашим данным: 1")));
    EXPECT_EQ(app.text("hodRascheta", "Self1"), QStringLiteral("59,5")) << "kept as typed";

    // Enter in a field checks too, from the field that goes with the rows.
    app.type("hodRascheta", "Self2", QStringLiteral("59.5"));
    app.pressEnter("hodRascheta", "Self2");
    EXPECT_EQ(app.caption("hodRascheta", "Mark2"), QStringLiteral("✓"));
    EXPECT_EQ(app.caption("hodRascheta", "Mark5"), QStringLiteral("✗"));
    EXPECT_NE(app.program().session().fileToSave().text.find("\"selfCheck\""), std::string::npos);

    app.type("hodRascheta", "Text2", QStringLiteral("0"));
    app.click("hodRascheta", "Command4");
    EXPECT_TRUE(app.answerRefusal().startsWith(QStringLiteral("Допуск")));
}

// «Файл → Проверить работы группы…»: a list and a folder typed, «Проверить»,
// and the table of the core's marking; a file edited by hand is flagged.
TEST(GroupMarkingScreen, MarksAFoldersFilesAgainstTheList)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Session student;
    student.menu("mnuPer");
    student.ok(ScreenId::ATverd, {5, {}});
    student.ok(ScreenId::Czakalka2, {3, {}});
    student.ok(ScreenId::stal4, {1, {}});
    student.ok(ScreenId::Vvod2, {0, {"20", "", "100", "4.0"}});
    student.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    student.ok(ScreenId::okon, {21, {}});
    student.setVariant("1");
    std::string text = student.fileToSave().text;
    const auto write = [&](const QString& name, const std::string& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    };
    write(QStringLiteral("a-right.gear"), text);
    write(QStringLiteral("b-edited.gear"), text.replace(text.find("\"aw\": 125"), 9, "\"aw\": 126"));
    write(QStringLiteral("list.csv"), "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel\n"
                                      "1,transmission,5,Цементация,18ХГТ,20,,100,4.0,2.5,21\n");

    Driver app;
    app.menu("mnuGrade");
    auto* dialog = app.screen("Nachalo")->findChild<QDialog*>(QStringLiteral("groupMarking"));
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("Text1")),
                     folder.filePath(QStringLiteral("list.csv")));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("Text2")), folder.path());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("Grid1"));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("a-right.gear"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("100"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("результаты исправлены вручную"));
    EXPECT_EQ(table->item(1, 3)->text(), QString()) << "flagged, not marked";
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("Command4"))->isEnabled());
    dialog->reject();
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
