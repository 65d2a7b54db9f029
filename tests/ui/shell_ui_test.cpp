// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "ui/screen.h"
#include "ui/screens.h"

#include "gear_version.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace gear::test {
namespace {

TEST(MainWindow, CarriesItsTitleCaptionAndMenuTree)
{
    Driver app;
    QWidget* main = app.screen("Nachalo");
    // "[*]" stands where the mark of unsaved work shows.
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Расчёт зубчатого колеса[*]"));
    EXPECT_FALSE(main->isWindowModified());
    EXPECT_EQ(app.caption("Nachalo", "Label1").simplified(),
              QStringLiteral("Программа для расчёта параметров колёс или шестерен ."));

    struct Item {
        const char* name;
        const char* caption;
        const char* parent;
    };
    const Item tree[] = {
        {"mnuRaschet", "Расчёт", "mnuFile"},     {"mnuKol", "Колесо", "mnuRaschet"},
        {"mnuProv", "Проверка", "mnuRaschet"},   {"mnuPer", "Передача", "mnuRaschet"},
        {"mnuExit", "Выход", "mnuFile"},         {"mnuProg", "О программе", "itemServis"},
        {"mnuParam", "Параметры", "itemServis"},
    };
    for (const Item& item : tree) {
        auto* parent = main->findChild<QMenu*>(QString::fromLatin1(item.parent));
        ASSERT_NE(parent, nullptr) << item.parent;
        QAction* found = nullptr;
        for (QAction* action : parent->actions()) {
            const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
            if (name == QString::fromLatin1(item.name))
                found = action;
        }
        ASSERT_NE(found, nullptr) << item.name;
        EXPECT_EQ(found->text(), QString::fromUtf8(item.caption)) << item.name;
        EXPECT_TRUE(found->shortcut().isEmpty());
    }
    const QList<QAction*> top = main->findChild<QMenuBar*>()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("Файл"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Сервис"));
}

TEST(StartUp, LoadsTheModuleAndSteelListsInvisibly)
{
    Driver app;
    ASSERT_NE(app.screen("Vibor"), nullptr);
    ASSERT_NE(app.screen("okon"), nullptr);
    EXPECT_FALSE(app.isVisible("Vibor"));
    EXPECT_FALSE(app.isVisible("okon"));
    const QStringList row1 = app.items("Vibor", "Combo1");
    const QStringList row2 = app.items("Vibor", "Combo2");
    const QStringList steels = app.items("okon", "Combo1");
    EXPECT_EQ(row1.size(), 13);
    EXPECT_EQ(row2.size(), 12);
    EXPECT_EQ(steels.size(), 30);
    EXPECT_EQ(row1.value(3), QStringLiteral("2.5"));
    for (const QStringList& list : {row1, row2, steels})
        EXPECT_EQ(list.value(0), QString());
    for (const char* combo : {"Combo1", "Combo2"})
        EXPECT_EQ(app.control<QComboBox>("Vibor", combo)->currentIndex(), -1);
    EXPECT_EQ(app.control<QComboBox>("okon", "Combo1")->currentIndex(), -1);
    EXPECT_EQ(app.text("Vibor", "Combo1"), QString());
    // No other screen is made before it is needed.
    for (const char* name : {"ATverd", "Vvod", "trebov2", "vihod", "info", "nastroyka"})
        EXPECT_EQ(app.screen(name), nullptr) << name;
    EXPECT_EQ(app.state().Psibd, 0.5);
}

struct ModeCase {
    const char* action;
    const char* firstScreen;
    Mode mode;
};

class ModeCommand : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeCommand, SetsTheModeAndOpensTheFirstScreen)
{
    Driver app;
    app.menu(GetParam().action);
    EXPECT_TRUE(app.isVisible(GetParam().firstScreen));
    EXPECT_EQ(app.state().mode, GetParam().mode);
    EXPECT_TRUE(app.isVisible("Nachalo"));
}

INSTANTIATE_TEST_SUITE_P(Menu, ModeCommand,
                         testing::Values(ModeCase{"mnuKol", "Vvod", Mode::Wheel},
                                         ModeCase{"mnuPer", "ATverd", Mode::Transmission},
                                         ModeCase{"mnuProv", "trebov2", Mode::Check}),
                         [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.action); });

TEST(ScreenModel, AScreenLeftByItsFrameOrEscIsHiddenAndKeepsItsEntries)
{
    Driver app;
    app.menu("mnuParam");
    ASSERT_TRUE(app.isVisible("nastroyka"));
    QWidget* first = app.screen("nastroyka");
    app.type("nastroyka", "Text3", QStringLiteral("0.7"));
    first->close();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(app.screen("nastroyka"), first) << "closing only hides";

    app.menu("mnuProg");
    QWidget* about = app.screen("info");
    ASSERT_TRUE(about->isVisible());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    app.menu("mnuProg");
    EXPECT_EQ(app.screen("info"), about) << "no second copy";
    EXPECT_TRUE(about->isVisible());
}

TEST(About, ShowsTheVersionAndTheLicenceBelowItsText)
{
    Driver app;
    app.menu("mnuProg");
    EXPECT_TRUE(app.caption("info", "Label1").startsWith(QStringLiteral("Данная програма предназначена")));
    EXPECT_TRUE(app.caption("info", "Label2").startsWith(QStringLiteral("Версия " GEAR_VERSION ".")))
        << app.caption("info", "Label2").toStdString();
    EXPECT_TRUE(app.caption("info", "Label2").contains(QStringLiteral("GNU GPL версии 3")));
}

TEST(ScreenModel, ModeCommandAgainShowsTheSameScreenWithItsEntries)
{
    Driver app;
    app.menu("mnuKol");
    QWidget* wheel = app.screen("Vvod");
    wheel->hide();
    app.menu("mnuPer");
    app.menu("mnuKol");
    EXPECT_EQ(app.screen("Vvod"), wheel);
    EXPECT_TRUE(wheel->isVisible());
    EXPECT_TRUE(app.isVisible("ATverd")) << "the other chain's screen stays as it was";
}

TEST(Exit, NoHidesTheConfirmationAndChangesNothing)
{
    Driver app;
    app.menu("mnuProg");
    const int before = app.beeps();
    app.menu("mnuExit");
    EXPECT_EQ(app.beeps(), before + 1);
    ASSERT_TRUE(app.isVisible("vihod"));
    EXPECT_EQ(app.caption("vihod", "Label1"), QStringLiteral("Вы уверены что хотите выйти?"));
    app.menu("mnuExit");
    EXPECT_EQ(app.beeps(), before + 2) << "the beep sounds again";
    QWidget* confirmation = app.screen("vihod");
    app.click("vihod", "Command2");
    EXPECT_FALSE(confirmation->isVisible());
    EXPECT_TRUE(app.isVisible("info"));
    app.menu("mnuExit");
    EXPECT_EQ(app.screen("vihod"), confirmation);
}

TEST(Exit, YesUnloadsEveryScreenAndEndsTheProgram)
{
    Driver app;
    app.menu("mnuKol");
    app.menu("mnuProv");
    app.menu("mnuExit");
    QSignalSpy ended(&app.program().mainWindow(), &ui::Nachalo::exitConfirmed);
    app.click("vihod", "Command1");
    EXPECT_EQ(ended.count(), 1);
    for (int i = 0; i < kScreenCount; ++i)
        EXPECT_FALSE(app.program().screens().isLoaded(static_cast<ScreenId>(i))) << i;
    EXPECT_FALSE(app.isVisible("Nachalo"));
}

TEST(Exit, ClosingTheMainWindowAsksFirst)
{
    Driver app;
    QSignalSpy ended(&app.program().mainWindow(), &ui::Nachalo::exitConfirmed);
    app.screen("Nachalo")->close();
    EXPECT_TRUE(app.isVisible("Nachalo"));
    EXPECT_TRUE(app.isVisible("vihod"));
    app.click("vihod", "Command2");
    EXPECT_TRUE(app.isVisible("Nachalo"));
    EXPECT_EQ(ended.count(), 0);
}

TEST(Parameters, OpenWithTheSetInForceAndStoreWhatIsTyped)
{
    Driver app;
    app.menu("mnuParam");
    EXPECT_EQ(app.text("nastroyka", "Text1"), QStringLiteral("0.5"));
    EXPECT_EQ(app.text("nastroyka", "Text15"), QStringLiteral("1.082"));
    EXPECT_EQ(app.caption("nastroyka", "Label6"), QStringLiteral("kfa"));
    EXPECT_FALSE(app.caption("nastroyka", "Label18").isEmpty());

    app.type("nastroyka", "Text6", QStringLiteral("-2"));
    app.click("nastroyka", "Command1");
    EXPECT_TRUE(app.answerRefusal().contains(QStringLiteral("kfa")));
    EXPECT_TRUE(app.isVisible("nastroyka"));
    EXPECT_EQ(app.state().defaults.kfa, 1.0);

    app.type("nastroyka", "Text6", QStringLiteral("1.25"));
    app.click("nastroyka", "Command1");
    EXPECT_FALSE(app.isVisible("nastroyka"));
    EXPECT_EQ(app.state().defaults.kfa, 1.25);
    app.menu("mnuParam");
    EXPECT_EQ(app.text("nastroyka", "Text6"), QStringLiteral("1.25"));
}

// Under a real window manager a window without an owner sinks behind the
// main window at its first click: every screen is owned by the main window,
// stays above it and goes to its desktop with it.
TEST(Screens, EveryScreenStaysWithTheMainWindow)
{
    Driver app;
    QWidget* main = app.screen("Nachalo");
    main->show();
    ui::Screens& screens = app.program().screens();
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        screens.open(id);
        QWidget* screen = screens.find(id);
        ASSERT_NE(screen, nullptr);
        ASSERT_NE(screen->windowHandle(), nullptr) << screenName(id);
        EXPECT_EQ(screen->windowHandle()->transientParent(), main->windowHandle()) << screenName(id);
        screen->hide();
    }
    // A refusal stays with the screen it speaks for.
    app.menu("mnuKol");
    app.click("Vvod", "Command1");
    QMessageBox* refusal = app.refusal();
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->windowHandle()->transientParent(), app.screen("Vvod")->windowHandle());
    app.answerRefusal();
}

} // namespace
} // namespace gear::test
