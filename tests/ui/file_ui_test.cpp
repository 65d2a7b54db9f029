// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "screens/walkthrough_text.h"
#include "ui/calculation_document.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gear::test {
namespace {

ui::CalculationDocument& document(Driver& app)
{
    return app.program().mainWindow().document();
}

const char* const kResultLabels[] = {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18",
                                     "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25"};

QStringList results(Driver& app)
{
    QStringList shown;
    for (const char* label : kResultLabels)
        shown << app.caption("okonchanie", label);
    return shown;
}

bool marked(Driver& app, const char* screen, const char* option)
{
    auto* button = app.control<QRadioButton>(screen, option);
    return button && button->isChecked();
}

TEST(CalculationFileScreens, OpenedFileShowsEveryEntryAndOkGivesTheSameResults)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.gear"));
    QStringList before;
    {
        Driver student;
        student.toHardenedResults();
        before = results(student);
        ASSERT_TRUE(document(student).saveAs(path));
    }

    Driver app;
    ASSERT_TRUE(document(app).open(path));
    EXPECT_EQ(app.screen("Nachalo")->windowTitle(), QStringLiteral("design.gear[*] — Расчёт зубчатого колеса"));
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified());
    EXPECT_TRUE(marked(app, "ATverd", "Option5"));
    EXPECT_TRUE(marked(app, "Czakalka2", "Option3"));
    EXPECT_TRUE(marked(app, "stal4", "Option1"));
    EXPECT_EQ(app.text("Vvod2", "Text1"), QStringLiteral("20"));
    EXPECT_EQ(app.text("Vvod2", "Text2"), QString());
    EXPECT_EQ(app.text("Vvod2", "Text3"), QStringLiteral("100"));
    EXPECT_EQ(app.control<QComboBox>("Vvod2", "Combo1")->currentIndex(), 12);
    EXPECT_EQ(app.text("Vibor", "Combo1"), QStringLiteral("2.5"));
    EXPECT_EQ(app.control<QComboBox>("okon", "Combo1")->currentIndex(), 21);
    EXPECT_EQ(results(app), before);
    EXPECT_TRUE(app.isVisible("okonchanie")) << "where the last Ok led";
    EXPECT_FALSE(app.isVisible("Vvod2"));

    // The student goes on from the input screen with Enter and gets the same.
    app.screen("Vvod2")->show();
    app.pressEnter("Vvod2", "Text1");
    ASSERT_TRUE(app.isVisible("Vibor"));
    EXPECT_EQ(app.caption("Vibor", "Label6"), QStringLiteral("2.5335819684367"));
    app.type("Vibor", "Combo1", QStringLiteral("2.5"));
    app.click("Vibor", "Command1");
    app.click("okon", "Command1");
    EXPECT_EQ(results(app), before);
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified()) << "the same inputs give the same file";
}

TEST(CalculationFileScreens, AWheelAndACheckComeBackAndTheCheckGoesOnWithEnter)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Driver app;
    ASSERT_TRUE(document(app).open(QStringLiteral(GEAR_TEST_DATA "/wheel_and_check.gear")));
    const std::pair<const char*, const char*> wheel[] = {{"Text1", "40"},  {"Text2", ""},   {"Text4", "30"},
                                                         {"Text5", "420"}, {"Text6", "20"}, {"Text7", "40"}};
    for (const auto& [field, text] : wheel)
        EXPECT_EQ(app.text("Vvod", field), QString::fromLatin1(text)) << field;
    // d = 10·40; D0 = 0.5·(375 − 2·25 + 1.7·30), with the Russian comma.
    EXPECT_EQ(app.caption("vivod2", "Label5"), QStringLiteral("400"));
    EXPECT_EQ(app.caption("vivod2", "Label17"), QStringLiteral("188"));
    EXPECT_EQ(app.caption("vivod2", "Label18"), QStringLiteral("68,5"));
    EXPECT_TRUE(marked(app, "trebov2", "Option2"));
    EXPECT_TRUE(marked(app, "BNormal2", "Option2"));
    EXPECT_TRUE(marked(app, "stal2", "Option1"));
    EXPECT_EQ(app.text("Vvod3", "Text1"), QStringLiteral("240"));
    EXPECT_EQ(app.text("Vvod3", "Text2"), QStringLiteral("60"));
    EXPECT_EQ(app.text("Vvod3", "Text4"), QStringLiteral("40"));
    // The check's input stays open under its result, as after its Ok.
    EXPECT_TRUE(app.isVisible("Vvod3"));
    EXPECT_TRUE(app.isVisible("result"));
    // 265 HB improved: σF = 477 MPa; 0.4·477·60·10·4³/(2·3.73·1.5)/1000.
    EXPECT_EQ(app.caption("result", "Label2"), QStringLiteral("654,756032171582"));

    // A wider wheel face carries as much more: ψbm = 50/4.
    app.type("Vvod3", "Text4", QStringLiteral("50"));
    app.pressEnter("Vvod3", "Text4");
    EXPECT_EQ(app.caption("result", "Label2"), QStringLiteral("818,445040214477"));
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified());
    app.type("Vvod3", "Text4", QStringLiteral("40"));
    app.pressEnter("Vvod3", "Text4");
    EXPECT_EQ(app.caption("result", "Label2"), QStringLiteral("654,756032171582"));
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified());
    QLocale::setDefault(QLocale::c());
}

// A file the previous version wrote: its inputs on the screens, today's
// results, what changed said once, and the work unsaved until written.
TEST(CalculationFileScreens, AnOlderFileSaysWhatChangedAndSavesTheNewResults)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("1.1.gear"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GEAR_TEST_DATA "/version1/hardened.gear"), path));
    Driver app;
    ASSERT_TRUE(document(app).open(path));
    QMessageBox* box = app.refusal();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName(), QStringLiteral("notice"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    const QString said = app.answerRefusal();
    EXPECT_TRUE(said.contains(QStringLiteral("sigmaH2 393.548 → 880"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("σH2 = σH1"))) << said.toStdString();
    EXPECT_EQ(app.text("Vvod2", "Text1"), QStringLiteral("20"));
    EXPECT_EQ(app.caption("okonchanie", "Label20"), QStringLiteral("80"));
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified()) << "the file holds the old results";

    ASSERT_TRUE(document(app).saveAs(path));
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QFile expected(QStringLiteral(GEAR_TEST_DATA "/hardened.gear"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), expected.readAll());
    Driver again;
    ASSERT_TRUE(document(again).open(path));
    EXPECT_EQ(again.refusal(), nullptr) << "nothing more to say";
}

TEST(CalculationFileScreens, ABrokenFileLeavesEveryFieldAndTheStateAsTheyWere)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.gear"));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"gearwheel-calculation\", \"version\": 1, \"modes\": {\"transmission\": "
                 "{\"screens\": [{\"order\": 1, \"screen\": \"ATverd\", \"row\": 12}]}}}\n");
    broken.close();

    Driver app;
    app.menu("mnuKol");
    app.typeWheel("40", "105");
    app.click("Vvod", "Command1");
    app.type("Vvod", "Text6", QStringLiteral("33")); // typed, no Ok yet
    const std::string walkthrough = walkthroughText(app.state(), ".");
    const QString title = app.screen("Nachalo")->windowTitle();

    EXPECT_FALSE(document(app).open(path));
    EXPECT_EQ(app.answerRefusal(),
              QStringLiteral("Файл «broken.gear» не открыт. В поле modes.transmission.screens[0].row стоит 12, а "
                             "на экране ATverd можно выбрать от 1 до 7."));
    EXPECT_EQ(app.text("Vvod", "Text1"), QStringLiteral("40"));
    EXPECT_EQ(app.text("Vvod", "Text5"), QStringLiteral("105"));
    EXPECT_EQ(app.text("Vvod", "Text6"), QStringLiteral("33"));
    EXPECT_TRUE(app.isVisible("Vibor"));
    EXPECT_EQ(walkthroughText(app.state(), "."), walkthrough);
    EXPECT_EQ(app.screen("Nachalo")->windowTitle(), title);
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified());

    EXPECT_FALSE(document(app).open(folder.filePath(QStringLiteral("missing.gear"))));
    EXPECT_TRUE(app.answerRefusal().startsWith(QStringLiteral("Файл «missing.gear» не открыт:")));
}

TEST(CalculationFileScreens, WhatAFileSaysIsShownAsTextNeverAsMarkup)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("<font color=red>план.gear"));
    const char* const name = "<b>ATverd</b><img src=\"/usr/share/icons/x.png\">";
    QFile crafted(path);
    ASSERT_TRUE(crafted.open(QIODevice::WriteOnly));
    crafted.write(QByteArray("{\"format\": \"gearwheel-calculation\", \"version\": 1, \"modes\": {\"transmission\": "
                             "{\"screens\": [{\"order\": 1, \"screen\": \"") +
                  QByteArray(name).replace("\"", "\\\"") + "\", \"row\": 5}]}}}\n");
    crafted.close();

    Driver app;
    EXPECT_FALSE(document(app).open(path));
    QMessageBox* box = app.refusal();
    ASSERT_NE(box, nullptr);
    auto* shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->textFormat(), Qt::PlainText) << "Qt would take the text for markup by its «<»";
    EXPECT_EQ(shown->text(), QStringLiteral("Файл «<font color=red>план.gear» не открыт. Экран «") +
                                 QString::fromUtf8(name) +
                                 QStringLiteral("» в поле modes.transmission.screens[0].screen не входит ни в один "
                                                "расчёт."));
    app.answerRefusal();
}

#ifdef Q_OS_UNIX
// Opens the pipe for writing after a while and closes it, so that a reader
// stuck in it gets an empty file instead of hanging the test.
class PipeUnblocker {
public:
    explicit PipeUnblocker(const QByteArray& path)
        : m_thread([this, path] {
              for (int tick = 0; tick < 100 && !m_done; ++tick)
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
              if (!m_done) {
                  const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
              }
          })
    {
    }
    ~PipeUnblocker()
    {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
#endif

TEST(CalculationFileScreens, OnlyARegularFileIsReadAndTheRestRefusedAtOnce)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "named pipes and /dev are of Unix";
#else
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.gear"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Driver app;
    {
        const PipeUnblocker unblocker(QFile::encodeName(pipe));
        EXPECT_FALSE(document(app).open(pipe));
    }
    EXPECT_EQ(app.answerRefusal(),
              QStringLiteral("Файл «pipe.gear» не открыт: это не обычный файл, а канал, устройство или сокет."));
    EXPECT_FALSE(document(app).open(QStringLiteral("/dev/zero")));
    EXPECT_EQ(app.answerRefusal(),
              QStringLiteral("Файл «zero» не открыт: это не обычный файл, а канал, устройство или сокет."));
    EXPECT_FALSE(document(app).open(folder.path()));
    EXPECT_EQ(app.answerRefusal(), QStringLiteral("«%1» не открыт: это папка, а не файл.").arg(folder.path()));
#endif
}

QMessageBox* saveQuestion()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("saveChanges") && widget->isVisible())
            return qobject_cast<QMessageBox*>(widget);
    }
    return nullptr;
}

void answer(QMessageBox* box, QMessageBox::StandardButton button)
{
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CalculationFileScreens, LeavingWithUnsavedWorkOffersToSaveIt)
{
    QTemporaryDir folder;
    Driver app;
    QSignalSpy ended(&app.program().mainWindow(), &ui::Nachalo::exitConfirmed);
    app.menu("mnuExit");
    EXPECT_TRUE(app.isVisible("vihod")) << "nothing to save: the plain question";
    EXPECT_EQ(saveQuestion(), nullptr);
    app.click("vihod", "Command2");

    app.menu("mnuKol");
    app.typeWheel("40", "105");
    app.pressEnter("Vvod", "Text5");
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified());

    app.menu("mnuExit");
    EXPECT_FALSE(app.isVisible("vihod"));
    answer(saveQuestion(), QMessageBox::Cancel);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(app.isVisible("Nachalo"));

    app.screen("Nachalo")->close(); // the frame's close button asks the same
    answer(saveQuestion(), QMessageBox::Discard);
    EXPECT_EQ(ended.count(), 1);
}

TEST(CalculationFileScreens, SavingWhenAskedWritesTheFileAndThenLeaves)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("wheel.gear"));
    Driver app;
    QSignalSpy ended(&app.program().mainWindow(), &ui::Nachalo::exitConfirmed);
    ASSERT_TRUE(document(app).saveAs(path));
    app.menu("mnuKol");
    app.typeWheel("40", "105");
    app.pressEnter("Vvod", "Text5");
    app.menu("mnuExit");
    answer(saveQuestion(), QMessageBox::Save);
    EXPECT_EQ(ended.count(), 1);
    Driver again;
    ASSERT_TRUE(document(again).open(path));
    EXPECT_EQ(again.text("Vvod", "Text5"), QStringLiteral("105"));
}

TEST(CalculationFileScreens, SavingClearsTheMarkAndAFailedSaveKeepsIt)
{
    QTemporaryDir folder;
    Driver app;
    app.menu("mnuKol");
    app.typeWheel("40", "105");
    app.click("Vvod", "Command1");
    ASSERT_TRUE(app.screen("Nachalo")->isWindowModified());

    EXPECT_FALSE(document(app).saveAs(folder.filePath(QStringLiteral("no/such/folder/wheel.gear"))));
    EXPECT_TRUE(app.answerRefusal().startsWith(QStringLiteral("Расчёт не сохранён в файл «wheel.gear»:")));
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified());
    EXPECT_EQ(app.screen("Nachalo")->windowTitle(), QStringLiteral("Расчёт зубчатого колеса[*]"));

    const QString path = folder.filePath(QStringLiteral("wheel.gear"));
    ASSERT_TRUE(document(app).saveAs(path));
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray first = saved.readAll();
    EXPECT_TRUE(first.contains("\"screen\": \"Vvod\""));

    // Another Ok marks the work again; saving once more writes the same
    // calculation to the same bytes.
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("41"));
    app.click("Vvod", "Command1");
    EXPECT_TRUE(app.screen("Nachalo")->isWindowModified());
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.click("Vvod", "Command1");
    EXPECT_FALSE(app.screen("Nachalo")->isWindowModified()) << "back to what the file holds";

    Driver other;
    ASSERT_TRUE(document(other).open(path));
    ASSERT_TRUE(document(other).saveAs(path));
    saved.close();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), first);
}

TEST(CalculationFileScreens, TheFileMenuOffersOpenAndSaveWithTheirKeys)
{
    Driver app;
    const auto action = [&](const char* name) {
        return app.screen("Nachalo")->findChild<QAction*>(QString::fromLatin1(name));
    };
    ASSERT_NE(action("mnuOpen"), nullptr);
    EXPECT_EQ(action("mnuOpen")->text(), QStringLiteral("Открыть…"));
    EXPECT_EQ(action("mnuOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(action("mnuSave")->text(), QStringLiteral("Сохранить"));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(action("mnuSaveAs")->text(), QStringLiteral("Сохранить как…"));
    EXPECT_EQ(action("mnuSaveAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));

    app.menu("mnuOpen");
    QWidget* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("fileDialog") && widget->isVisible())
            dialog = widget;
    }
    ASSERT_NE(dialog, nullptr);
    dialog->close();
}

QFileDialog* shownFileDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("fileDialog") && widget->isVisible())
            return qobject_cast<QFileDialog*>(widget);
    }
    return nullptr;
}

// Ctrl+Shift+S, as the README lists it, asks where to save, proposing the
// name of the mode worked on last.
TEST(CalculationFileScreens, CtrlShiftSSavesAsUnderTheNameOfTheMode)
{
    for (const auto& [mode, proposed] : {std::pair{"mnuKol", "Колесо.gear"}, std::pair{"mnuProv", "Проверка.gear"}}) {
        Driver app;
        QWidget* main = app.screen("Nachalo");
        main->show();
        QApplication::setActiveWindow(main);
        app.menu(mode);
        QApplication::setActiveWindow(main);
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QFileDialog* dialog = shownFileDialog();
        ASSERT_NE(dialog, nullptr) << mode;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        ASSERT_FALSE(dialog->selectedFiles().isEmpty());
        EXPECT_EQ(QFileInfo(dialog->selectedFiles().front()).fileName(), QString::fromUtf8(proposed));
        dialog->close();
    }
}

} // namespace
} // namespace gear::test
