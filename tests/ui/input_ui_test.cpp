// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "geometry/module_choice.h"
#include "ui/report.h"
#include "ui/screen.h"
#include "ui/screens.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <tuple>

namespace gear::test {
namespace {

// A Russian desktop: captions with a decimal comma, and a keypad that
// types one.
class RussianDesktop : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

QString decimal(const char* text, QChar separator)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), separator);
}

// Each mode's pass with its numbers typed with `separator` and Enter to
// finish each input screen; the captions the pass ends on.
QStringList transmissionPass(Driver& app, QChar separator)
{
    app.toCarburisedDesign();
    app.type("Vvod2", "Text1", QStringLiteral("20"));
    app.type("Vvod2", "Text2", decimal("8.5", separator));
    app.type("Vvod2", "Text3", decimal("100.5", separator));
    app.type("Vvod2", "Combo1", decimal("4.5", separator));
    app.pressEnter("Vvod2");
    if (!app.isVisible("Vibor"))
        return {QStringLiteral("Vibor did not open")};
    app.type("Vibor", "Combo1", decimal("2.5", separator));
    app.pressEnter("Vibor");
    app.chooseItem("okon", "Combo1", 21);
    app.click("okon", "Command1");
    QStringList shown{app.caption("Vibor", "Label6")};
    for (const char* label : {"Label13", "Label14", "Label17", "Label18"})
        shown << app.caption("okon", label);
    for (int label = 12; label <= 25; ++label)
        shown << app.caption("okonchanie", QByteArray("Label" + QByteArray::number(label)).constData());
    return shown;
}

QStringList wheelPass(Driver& app, QChar separator)
{
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.type("Vvod", "Text2", decimal("10.5", separator));
    app.type("Vvod", "Text4", decimal("30.5", separator));
    app.type("Vvod", "Text5", decimal("105.5", separator));
    app.type("Vvod", "Text6", decimal("20.5", separator));
    app.type("Vvod", "Text7", decimal("40.5", separator));
    app.pressEnter("Vvod");
    if (!app.isVisible("Vibor"))
        return {QStringLiteral("Vibor did not open")};
    QStringList shown{app.caption("Vibor", "Label6")};
    app.type("Vibor", "Combo2", decimal("2.25", separator));
    app.pressEnter("Vibor");
    for (const char* label : {"Label5", "Label6", "Label7", "Label8", "Label10", "Label15", "Label16"})
        shown << app.caption("vivod1", label);
    return shown;
}

QStringList checkPass(Driver& app, QChar separator)
{
    app.menu("mnuProv");
    app.choose("trebov2", "Option2");
    app.click("trebov2", "Command1");
    app.choose("BNormal2", "Option2");
    app.click("BNormal2", "Command1");
    app.choose("stal2", "Option1");
    app.click("stal2", "Command1");
    app.type("Vvod3", "Text1", decimal("240.5", separator));
    app.type("Vvod3", "Text2", QStringLiteral("60"));
    app.type("Vvod3", "Text3", decimal("10.5", separator));
    app.type("Vvod3", "Text4", decimal("40.5", separator));
    app.pressEnter("Vvod3");
    return {app.caption("result", "Label2")};
}

struct ModePass {
    const char* name;
    QStringList (*pass)(Driver&, QChar);
};

class TypedComma : public RussianDesktop, public testing::WithParamInterface<ModePass> {};

TEST_P(TypedComma, GivesWhatATypedPointGives)
{
    Driver withComma;
    const QStringList comma = GetParam().pass(withComma, QLatin1Char(','));
    Driver withPoint;
    const QStringList point = GetParam().pass(withPoint, QLatin1Char('.'));
    EXPECT_EQ(comma, point);
    for (const QString& caption : comma) {
        EXPECT_FALSE(caption.isEmpty()) << comma.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(caption.contains(QLatin1Char('.')))
            << caption.toStdString() << ": a Russian desktop shows a comma";
    }
    EXPECT_TRUE(comma.join(QString()).contains(QLatin1Char(','))) << "the decimals were read, not cut off";
}

INSTANTIATE_TEST_SUITE_P(Modes, TypedComma,
                         testing::Values(ModePass{"Transmission", transmissionPass}, ModePass{"Wheel", wheelPass},
                                         ModePass{"Check", checkPass}),
                         [](const testing::TestParamInfo<ModePass>& info) { return std::string(info.param.name); });

TEST_F(RussianDesktop, ListsShowTheirNumbersWithTheComma)
{
    Driver app;
    EXPECT_EQ(app.items("Vibor", "Combo1").value(3), QStringLiteral("2,5"));
    EXPECT_EQ(app.items("Vibor", "Combo2").value(1), QStringLiteral("1,75"));
}

TEST(TypedValues, StayAsTypedInEveryEditableList)
{
    Driver app;
    app.toCarburisedDesign();
    app.type("Vvod2", "Text1", QStringLiteral("20"));
    app.type("Vvod2", "Text3", QStringLiteral("100"));
    app.type("Vvod2", "Combo1", QStringLiteral("3")); // the list holds "3.15"
    EXPECT_EQ(app.text("Vvod2", "Combo1"), QStringLiteral("3"));
    app.pressEnter("Vvod2");
    ASSERT_TRUE(app.isVisible("Vibor"));
    EXPECT_EQ(double(app.state().U), 3.0);
    EXPECT_EQ(double(app.state().Z2), 60.0);
    EXPECT_EQ(app.text("Vvod2", "Combo1"), QStringLiteral("3"));

    app.type("Vibor", "Combo2", QStringLiteral("5")); // the list holds "5.5"
    app.pressEnter("Vibor");
    EXPECT_EQ(double(app.state().m), 5.0);
    EXPECT_TRUE(app.isVisible("okon"));

    // Choosing from the drop-down still works.
    app.menu("mnuPer");
    app.click("ATverd", "Command1");
    app.click("Czakalka2", "Command1");
    app.click("stal4", "Command1");
    app.chooseItem("Vvod2", "Combo1", 10);
    app.pressEnter("Vvod2");
    EXPECT_EQ(double(app.state().U), 3.15);
}

struct FocusCase {
    const char* name;
    const char* menu;
    const char* screen;
    std::vector<const char*> order;
};

class TabOrder : public testing::TestWithParam<FocusCase> {};

TEST_P(TabOrder, RunsDownTheFieldsThenOk)
{
    Driver app;
    app.menu(GetParam().menu);
    if (QByteArray(GetParam().screen) == "Vibor") {
        app.typeWheel("40", "105");
        app.pressEnter("Vvod");
    }
    ASSERT_TRUE(app.isVisible(GetParam().screen));
    QStringList expected;
    for (const char* name : GetParam().order)
        expected << QString::fromLatin1(name);
    expected << expected.front(); // and round again
    EXPECT_EQ(app.tabOrder(GetParam().screen, static_cast<int>(expected.size())), expected);
}

INSTANTIATE_TEST_SUITE_P(
    InputScreens, TabOrder,
    testing::Values(
        FocusCase{"Vvod", "mnuKol", "Vvod", {"Text1", "Text2", "Text4", "Text5", "Text6", "Text7", "Command1"}},
        FocusCase{"Vibor", "mnuKol", "Vibor", {"Combo1", "Combo2", "Command1"}},
        FocusCase{"nastroyka",
                  "mnuParam",
                  "nastroyka",
                  {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11",
                   "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Command1"}}),
    [](const testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

TEST(TabOrder, TheDesignAndCheckInputsRunDownTheirFields)
{
    Driver app;
    app.menu("mnuPer");
    app.choose("ATverd", "Option7");
    app.click("ATverd", "Command1");
    app.choose("Czakalka2", "Option5"); // nitriding leads straight to the input
    app.click("Czakalka2", "Command1");
    ASSERT_TRUE(app.isVisible("Vvod2"));
    EXPECT_EQ(app.tabOrder("Vvod2", 7),
              (QStringList{"Text1", "Text2", "Text3", "Combo1", "Text4", "Command1", "Text1"}));
    app.menu("mnuProv");
    app.choose("trebov2", "Option1");
    app.click("trebov2", "Command1");
    app.choose("Czakalka2", "Option5");
    app.click("Czakalka2", "Command1");
    ASSERT_TRUE(app.isVisible("Vvod3"));
    EXPECT_EQ(app.tabOrder("Vvod3", 6), (QStringList{"Text1", "Text2", "Text3", "Text4", "Command1", "Text1"}));
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST(ScreenReader, NamesEveryFieldListAndOptionByItsCaption)
{
    Driver app;
    app.menu("mnuKol");
    app.menu("mnuProv");
    app.menu("mnuPer");
    app.menu("mnuParam");
    ui::Screens& screens = app.program().screens();
    for (ScreenId id : {ScreenId::Vvod2, ScreenId::Vvod3, ScreenId::BNormal2, ScreenId::Czakalka2, ScreenId::stal1,
                        ScreenId::stal2, ScreenId::stal3, ScreenId::stal4, ScreenId::stal5})
        screens.load(id);
    int named = 0;
    for (int i = 0; i < kScreenCount; ++i) {
        QWidget* screen = screens.find(static_cast<ScreenId>(i));
        if (!screen)
            continue;
        QList<QWidget*> fields;
        for (auto* edit : screen->findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(edit->parentWidget()))
                fields << edit;
        for (auto* list : screen->findChildren<QComboBox*>())
            fields << list;
        for (auto* option : screen->findChildren<QRadioButton*>())
            fields << option;
        for (QWidget* field : fields) {
            const QString name = accessibleName(field);
            EXPECT_GE(name.size(), 5) << screen->objectName().toStdString() << '.' << field->objectName().toStdString();
            EXPECT_FALSE(name.startsWith(QStringLiteral("Строка"))) << name.toStdString();
            ++named;
        }
    }
    EXPECT_GT(named, 50);
    EXPECT_EQ(accessibleName(app.control<QWidget>("Vvod", "Text1")), QStringLiteral("Введите число зубьев Z"));
    EXPECT_EQ(accessibleName(app.control<QWidget>("Vvod", "Text2")), QStringLiteral("Введите угол наклона зубьев β"));
    const QString row5 = accessibleName(app.control<QWidget>("ATverd", "Option5"));
    EXPECT_TRUE(row5.contains(QStringLiteral("Транспортные")) && row5.contains(QStringLiteral("Цементация")) &&
                row5.contains(QStringLiteral("56..63 НРС")))
        << row5.toStdString();
    const QString row4 = accessibleName(app.control<QWidget>("ATverd", "Option4"));
    EXPECT_TRUE(row4.contains(QStringLiteral("серийном")) && row4.contains(QStringLiteral("Закалка ТВЧ")))
        << row4.toStdString();
}

TEST(Parameters, AVisitWithoutChangesLeavesTheDesignAsItWas)
{
    auto design = [](bool visitParameters) {
        Driver app;
        app.menu("mnuPer");
        app.choose("ATverd", "Option2");
        app.click("ATverd", "Command1");
        app.choose("BNormal2", "Option2"); // S_H = 1.1 for the contact design
        app.click("BNormal2", "Command1");
        if (visitParameters) {
            app.menu("mnuParam");
            app.click("nastroyka", "Command1");
        }
        app.choose("stal2", "Option3");
        app.click("stal2", "Command1");
        app.type("Vvod2", "Text1", QStringLiteral("20"));
        app.type("Vvod2", "Text3", QStringLiteral("100"));
        app.type("Vvod2", "Combo1", QStringLiteral("4"));
        app.pressEnter("Vvod2");
        return app.caption("Vibor", "Label6");
    };
    const QString without = design(false);
    EXPECT_FALSE(without.isEmpty());
    EXPECT_EQ(design(true), without);
}

TEST(Printout, ShowsEachModesOwnResultsFromTheState)
{
    Driver app;
    for (const auto& [tip, module] : {std::pair{"105", "2.5"}, {"420", "10.0"}}) {
        app.menu("mnuKol");
        app.typeWheel("40", tip);
        app.pressEnter("Vvod");
        app.type("Vibor", "Combo1", QString::fromLatin1(module));
        app.pressEnter("Vibor");
    }
    app.toCarburisedDesign();
    app.type("Vvod2", "Text1", QStringLiteral("20"));
    app.type("Vvod2", "Text3", QStringLiteral("100"));
    app.type("Vvod2", "Combo1", QStringLiteral("4"));
    app.pressEnter("Vvod2");
    app.type("Vibor", "Combo1", QStringLiteral("2.5"));
    app.pressEnter("Vibor");

    // A check of a wheel of its own after them: its inputs are its own, not
    // the wheel mode's d, z and b in the shared fields.
    app.menu("mnuProv");
    app.choose("trebov2", "Option1");
    app.click("trebov2", "Command1");
    app.choose("Czakalka2", "Option3");
    app.click("Czakalka2", "Command1");
    app.choose("stal4", "Option1");
    app.click("stal4", "Command1");
    app.type("Vvod3", "Text1", QStringLiteral("240"));
    app.type("Vvod3", "Text2", QStringLiteral("60"));
    app.type("Vvod3", "Text4", QStringLiteral("40"));
    app.pressEnter("Vvod3");
    ASSERT_TRUE(app.isVisible("result"));

    const QString page = ui::reportDocument(app.state(), {}, QDate(2026, 12, 7))->toPlainText();
    // The second wheel went to the disc sketch: d = 10·40.
    EXPECT_TRUE(page.contains(QStringLiteral("Диаметр отверстий,do"))) << "the disc wheel's table";
    EXPECT_TRUE(page.contains(QStringLiteral("Делительный диаметр, d\n400\n"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Диаметр выступов da\n420\nмм\n"))) << "the second wheel's inputs";
    EXPECT_TRUE(page.contains(QStringLiteral("Диаметр впадин\nмм\n43.75\n193.75\n")));
    const QString check = page.mid(page.indexOf(QStringLiteral("Исходные данные проверки")));
    for (const char* row :
         {"Требования к изготовлению\nЖёсткие\n", "Способ обработки\nЦементация\n", "Марка стали\nСталь 18ХГТ\n",
          "Делительный диаметр d\n240\nмм\n", "Число зубьев z\n60\n", "Ширина зубчатого венца b\n40\nмм\n"})
        EXPECT_TRUE(check.contains(QString::fromUtf8(row))) << row << check.left(600).toStdString();
}

TEST(Nachalo, TheTitleReadsOnADarkDesktop)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Highlight, QColor(0x1d, 0x2f, 0x6b));
    QApplication::setPalette(dark);
    {
        Driver app;
        const QPalette title = app.control<QLabel>("Nachalo", "Label1")->palette();
        const QColor text = title.color(QPalette::WindowText);
        const QColor background = title.color(QPalette::Window);
        auto luminance = [](const QColor& c) {
            auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double a = luminance(text);
        const double b = luminance(background);
        EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 4.5);
    }
    QApplication::setPalette(before);
}

TEST(WalkthroughScreen, OpensBesideTheMainWindowWithinTheScreen)
{
    Driver app;
    QWidget* main = app.screen("Nachalo");
    main->move(0, 0);
    app.menu("mnuSteps");
    QWidget* steps = app.screen("hodRascheta");
    ASSERT_TRUE(steps && steps->isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(steps->geometry())) << "within the screen";
    const bool roomBeside = area.width() - main->frameGeometry().width() >= steps->frameGeometry().width();
    if (roomBeside) {
        EXPECT_GE(steps->x(), main->frameGeometry().right()) << "beside, not over the main window";
    }
}

TEST(ScreenModel, AScreenShownAgainStandsWhereItWasLeft)
{
    Driver app;
    app.menu("mnuKol");
    QWidget* input = app.screen("Vvod");
    input->move(123, 77);
    const QPoint left = input->pos();
    for (int visit = 0; visit < 3; ++visit) {
        QTest::keyClick(input, Qt::Key_Escape);
        ASSERT_FALSE(input->isVisible());
        app.menu("mnuKol");
        EXPECT_EQ(input->pos(), left) << "visit " << visit;
        EXPECT_EQ(input->focusWidget(), app.control<QWidget>("Vvod", "Text1")) << "the first field takes the focus";
    }
}

TEST(TreatmentScreens, SayEachWordOfTheHardnessHeadOnce)
{
    Driver app;
    app.menu("mnuPer");
    app.choose("ATverd", "Option1");
    app.click("ATverd", "Command1");
    QStringList texts;
    for (QLabel* label : app.screen("BNormal2")->findChildren<QLabel*>())
        texts << label->text();
    const QString all = texts.join(QLatin1Char(' '));
    EXPECT_EQ(all.count(QStringLiteral("на поверхности")), 1) << all.toStdString();
    EXPECT_EQ(all.count(QStringLiteral("в сердцевине")), 1);
    EXPECT_EQ(app.caption("BNormal2", "Label3"), QStringLiteral("Средняя твёрдость зубьев"));
}

// What a student types that the method cannot take, on the screen it is
// typed on, in both locales: the sentence says why, the screen stays open,
// and once the sentence is read (Enter) the field refused has the focus with
// its text selected, to be typed over.
struct OutOfRange {
    const char* name;
    const char* screen;
    const char* field;
    const char* typed; // with a point; a Russian desktop types a comma
    const char* said;
};

void toScreen(Driver& app, const char* screen)
{
    const QByteArray name(screen);
    if (name == "Vvod2") {
        app.toCarburisedDesign();
        app.type("Vvod2", "Text1", QStringLiteral("20"));
        app.type("Vvod2", "Text3", QStringLiteral("100"));
        app.type("Vvod2", "Combo1", QStringLiteral("4"));
    } else if (name == "Vvod") {
        app.menu("mnuKol");
        app.typeWheel("40", "105");
    } else if (name == "Vvod3") {
        app.menu("mnuProv");
        app.choose("trebov2", "Option1");
        app.click("trebov2", "Command1");
        app.choose("Czakalka2", "Option3");
        app.click("Czakalka2", "Command1");
        app.choose("stal4", "Option1");
        app.click("stal4", "Command1");
        app.type("Vvod3", "Text1", QStringLiteral("240"));
        app.type("Vvod3", "Text2", QStringLiteral("60"));
        app.type("Vvod3", "Text4", QStringLiteral("40"));
    } else {
        app.menu("mnuParam");
    }
}

class RefusedInput : public testing::TestWithParam<std::tuple<OutOfRange, bool>> {};

TEST_P(RefusedInput, SaysWhyAndTakesTheStudentBackToTheField)
{
    const auto& [c, russian] = GetParam();
    if (russian)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Driver app;
    toScreen(app, c.screen);
    auto* field = app.control<QLineEdit>(c.screen, c.field);
    app.type(c.screen, c.field, decimal(c.typed, russian ? QLatin1Char(',') : QLatin1Char('.')));
    // Elsewhere before the Ok, so that the focus has to come back.
    app.control<QWidget>(c.screen, "Command1")->setFocus();
    app.click(c.screen, "Command1");
    QMessageBox* box = app.refusal();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->text().contains(QString::fromUtf8(c.said))) << box->text().toStdString();
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app.refusal());
    EXPECT_TRUE(app.isVisible(c.screen));
    EXPECT_EQ(app.screen(c.screen)->focusWidget(), field);
    EXPECT_EQ(field->selectedText(), field->text());
    QLocale::setDefault(QLocale::c());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInput,
    testing::Combine(
        testing::Values(OutOfRange{"PinionTeethBelowTen", "Vvod2", "Text1", "9", "целым, от 10 до 200"},
                        OutOfRange{"PinionTeethNotWhole", "Vvod2", "Text1", "20.5", "целым, от 10 до 200"},
                        OutOfRange{"PinionTeethEmpty", "Vvod2", "Text1", "", "Введите число зубьев шестерни Z1"},
                        OutOfRange{"HelixAboveFortyFive", "Vvod2", "Text2", "45.5", "от 0 до 45 градусов"},
                        OutOfRange{"TorqueNotANumber", "Vvod2", "Text3", "abc", "Введите вращающий момент"},
                        OutOfRange{"WheelTeethBelowTen", "Vvod", "Text1", "3", "целым, от 10 до 2000"},
                        OutOfRange{"WheelHelixAboveFortyFive", "Vvod", "Text2", "80", "от 0 до 45 градусов"},
                        OutOfRange{"TipBeyondThePreferredSizes", "Vvod", "Text5", "4000.5", "не больше 4000"},
                        OutOfRange{"CheckedTeethNotWhole", "Vvod3", "Text2", "60.5", "целым, от 10 до 2000"},
                        OutOfRange{"CheckedHelixAboveFortyFive", "Vvod3", "Text3", "46", "от 0 до 45 градусов"},
                        OutOfRange{"LoadFactorBelowOne", "nastroyka", "Text2", "0.8", "не может быть меньше 1"},
                        OutOfRange{"DistributionFactorBelowOne", "nastroyka", "Text5", "0.9", "не может быть меньше 1"},
                        OutOfRange{"DynamicFactorBelowOne", "nastroyka", "Text8", "0.95", "не может быть меньше 1"}),
        testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<OutOfRange, bool>>& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Russian" : "C");
    });

TEST(WheelSketch, SaysBesideTheDrawingWhenTheModuleGivesAnotherTipDiameter)
{
    Driver app;
    app.menu("mnuKol");
    app.typeWheel("41", "105");
    app.pressEnter("Vvod");
    app.type("Vibor", "Combo1", QStringLiteral("2.5"));
    app.pressEnter("Vibor");
    ASSERT_TRUE(app.isVisible("vivod1"));
    auto* note = app.control<QLabel>("vivod1", "Label30");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text().toStdString(), wheelTipNote(app.state()).text());
    EXPECT_EQ(app.caption("vivod1", "Label7"), QStringLiteral("107.5"));
    EXPECT_EQ(app.refusal(), nullptr) << "a note, not a message box";

    app.click("vivod1", "Command1");
    app.sizeWheel("105", "2.5");
    EXPECT_FALSE(note->isVisible()) << "the wheel built as typed";
}

} // namespace
} // namespace gear::test
