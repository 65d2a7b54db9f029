// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "ui/calculation_document.h"
#include "ui/number_display.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace gear::test {
namespace {

double number(const QString& caption)
{
    bool ok = false;
    const double value = caption.toDouble(&ok);
    return ok ? value : std::nan("");
}

// The course's hardened design: "Цементация", "Сталь 18ХГТ" (σF = 950 MPa,
// so σFP = 380 MPa for both gears), Z1 = 20, spur, T1 = 100 N·m, U = 4.
void hardenedDesignUpToVibor(Driver& app)
{
    app.toCarburisedDesign();
    ASSERT_TRUE(app.isVisible("Vvod2"));
    app.type("Vvod2", "Text1", QStringLiteral("20"));
    app.type("Vvod2", "Text3", QStringLiteral("100"));
    app.chooseItem("Vvod2", "Combo1", 12); // "4.0"
    app.click("Vvod2", "Command1");
    ASSERT_TRUE(app.isVisible("Vibor"));
}

TEST(TransmissionMode, HardenedDesignFromTheMenuToTheDrawing)
{
    Driver app;
    hardenedDesignUpToVibor(app);
    EXPECT_FALSE(app.isVisible("Vvod2"));
    // Pinion governs: 380/4.12 < 380/3.74. m = ∛(2·4.12·1.5·100·1000 / (10·20·380)).
    EXPECT_NEAR(number(app.caption("Vibor", "Label6")), 2.53358196843670, 1e-13);
    EXPECT_EQ(app.text("Vibor", "Combo1"), QString());

    app.type("Vibor", "Combo1", QStringLiteral("2.5"));
    // Before the Ok: 2.5 below 2.53358 overloads the bending by 1.01343³ − 1.
    EXPECT_TRUE(app.control<QWidget>("Vibor", "Label7")->isVisible());
    EXPECT_TRUE(app.caption("Vibor", "Label7").contains(QStringLiteral("4.08 %")))
        << app.caption("Vibor", "Label7").toStdString();
    app.click("Vibor", "Command1");
    ASSERT_TRUE(app.isVisible("okon"));
    EXPECT_FALSE(app.isVisible("Vibor"));
    // The five carburised steels carry 880 and 263.68 MPa.
    auto* steels = app.control<QComboBox>("okon", "Combo1");
    for (int row = 1; row <= 29; ++row)
        EXPECT_EQ(steels->itemText(row).contains(QStringLiteral("подходит")),
                  row == 21 || row == 22 || row == 26 || row == 27 || row == 28)
            << row;
    // σF1 = 4.12·4000/(25·2.5), σF2 = σF1·3.74/4.12; one contact stress
    // 440·√(4000/(25·50)·5/4) for both gears; the set's load factors are 1.
    EXPECT_EQ(app.caption("okon", "Label13"), QStringLiteral("263.68"));
    EXPECT_EQ(app.caption("okon", "Label14"), QStringLiteral("239.36"));
    EXPECT_EQ(app.caption("okon", "Label17"), QStringLiteral("880"));
    EXPECT_EQ(app.caption("okon", "Label18"), QStringLiteral("880"));

    app.chooseItem("okon", "Combo1", 21);
    app.click("okon", "Command1");
    ASSERT_TRUE(app.isVisible("okonchanie"));
    const std::pair<const char*, const char*> cells[] = {
        {"Label12", "2.5"},         {"Label13", "20"},         {"Label14", "0"},      {"Label15", "55"},
        {"Label16", "43.75"},       {"Label17", "50"},         {"Label19", "2.5"},    {"Label20", "80"},
        {"Label21", "0"},           {"Label22", "205"},        {"Label23", "193.75"}, {"Label24", "200"},
        {"Label18", "Сталь 18ХГТ"}, {"Label25", "Сталь 18ХГТ"}};
    for (const auto& [label, text] : cells)
        EXPECT_EQ(app.caption("okonchanie", label), QString::fromUtf8(text)) << label;
    // [σH] = 0.9·1380/1.2 = 1035: −14.98 %, still normal; bending in reserve.
    EXPECT_TRUE(app.control<QWidget>("okonchanie", "Label27")->isVisible());
    EXPECT_TRUE(app.caption("okonchanie", "Label27").contains(QStringLiteral("-14.98 % — норма")))
        << app.caption("okonchanie", "Label27").toStdString();
    EXPECT_TRUE(app.caption("okonchanie", "Label28").contains(QStringLiteral("запас")));

    app.click("okonchanie", "Command1");
    ASSERT_TRUE(app.isVisible("vivod4"));
    EXPECT_TRUE(app.control<QWidget>("vivod4", "Image1")->isVisible());
    EXPECT_FALSE(app.control<QWidget>("vivod4", "Image2")->isVisible());
    EXPECT_FALSE(app.control<QWidget>("vivod4", "Image3")->isVisible());
    EXPECT_TRUE(app.isVisible("okonchanie"));
}

TEST(TransmissionMode, TheDrawingFollowsThePairsPinionWhateverCameAfter)
{
    Driver app;
    hardenedDesignUpToVibor(app);
    app.type("Vibor", "Combo1", QStringLiteral("12.0")); // the pinion's da = 12·(20 + 2) = 264 mm
    app.click("Vibor", "Command1");
    app.click("okon", "Command1");
    // A wheel of 700 mm sized since takes the shared field da.
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.type("Vvod", "Text4", QStringLiteral("30"));
    app.type("Vvod", "Text5", QStringLiteral("700"));
    app.type("Vvod", "Text6", QStringLiteral("20"));
    app.type("Vvod", "Text7", QStringLiteral("40"));
    app.pressEnter("Vvod");
    app.type("Vibor", "Combo1", QStringLiteral("16.0"));
    app.pressEnter("Vibor");
    ASSERT_EQ(double(app.state().da), 16.0 * 42);
    for (int again = 0; again < 2; ++again) {
        app.click("okonchanie", "Command1");
        int visible = 0;
        for (const char* picture : {"Image1", "Image2", "Image3"})
            visible += app.control<QWidget>("vivod4", picture)->isVisible() ? 1 : 0;
        EXPECT_EQ(visible, 1);
        EXPECT_TRUE(app.control<QWidget>("vivod4", "Image2")->isVisible()) << "the disc wheel of a 264 mm pinion";
    }
}

TEST(TransmissionMode, SoftTeethDesignEndsOnItsResults)
{
    Driver app;
    app.menu("mnuPer");
    app.choose("ATverd", "Option2");
    app.click("ATverd", "Command1");
    app.choose("BNormal2", "Option2");
    app.click("BNormal2", "Command1");
    app.choose("stal2", "Option3");
    app.click("stal2", "Command1");
    app.type("Vvod2", "Text1", QStringLiteral("20"));
    app.type("Vvod2", "Text3", QStringLiteral("100"));
    app.type("Vvod2", "Combo1", QStringLiteral("4"));
    app.click("Vvod2", "Command1");
    ASSERT_TRUE(app.isVisible("Vibor"));
    // 320/260 HB improved: σHP = 0.9·590/1.1 (the wheel's), ψba = 0.2,
    // aw = 5·∛((310/(482.727·4))²·1.5·400·1000/0.2) = 213.015 mm; the
    // module that reaches it, 2·213.015/(20·5), is above the bending one.
    EXPECT_NEAR(number(app.caption("Vibor", "Label6")), 4.26030144350747, 1e-12);
    app.type("Vibor", "Combo1", QStringLiteral("5.0"));
    app.click("Vibor", "Command1");
    app.click("okon", "Command1");
    EXPECT_TRUE(app.isVisible("okonchanie")) << "a soft-teeth design has results too";
    EXPECT_EQ(app.caption("okonchanie", "Label18"), QString());
}

TEST(OptionGroups, MarkingOneRowClearsTheOthers)
{
    Driver app;
    app.menu("mnuPer");
    app.choose("ATverd", "Option1");
    app.choose("ATverd", "Option6");
    EXPECT_FALSE(app.control<QRadioButton>("ATverd", "Option1")->isChecked());
    app.click("ATverd", "Command1");
    EXPECT_TRUE(app.isVisible("Czakalka2")) << "row 6 decides";
    app.choose("Czakalka2", "Option1");
    app.choose("Czakalka2", "Option4");
    EXPECT_FALSE(app.control<QRadioButton>("Czakalka2", "Option1")->isChecked());
}

TEST(TransmissionMode, ListsAreFilledOnceHoweverOftenTheChainRuns)
{
    Driver app;
    hardenedDesignUpToVibor(app);
    hardenedDesignUpToVibor(app);
    EXPECT_EQ(app.items("Vvod2", "Combo1").size(), 22);
    EXPECT_EQ(app.items("Vibor", "Combo1").size(), 13);
    EXPECT_EQ(app.items("Vibor", "Combo2").size(), 12);
}

TEST(TransmissionMode, ASteelScreenWaitsForAGrade)
{
    Driver app;
    app.menu("mnuPer");
    app.choose("ATverd", "Option5");
    app.click("ATverd", "Command1");
    app.choose("Czakalka2", "Option3");
    app.click("Czakalka2", "Command1");
    app.click("stal4", "Command1");
    EXPECT_TRUE(app.isVisible("stal4"));
    EXPECT_FALSE(app.isVisible("Vvod2"));
}

TEST(TransmissionMode, UnusableInputIsRefusedAndTheScreenStaysOpen)
{
    Driver app;
    hardenedDesignUpToVibor(app);
    app.click("Vibor", "Command1"); // nothing taken: the error screen
    app.answerRefusal();
    app.menu("mnuPer");
    app.click("ATverd", "Command1");
    app.click("Czakalka2", "Command1");
    app.click("stal4", "Command1");
    app.screen("Vvod2")->show();
    app.type("Vvod2", "Text1", QString());
    const int beeps = app.beeps();
    app.click("Vvod2", "Command1");
    EXPECT_TRUE(app.answerRefusal().contains(QStringLiteral("Z1")));
    EXPECT_EQ(app.beeps(), beeps + 1);
    EXPECT_TRUE(app.isVisible("Vvod2"));
    EXPECT_FALSE(app.isVisible("Vibor"));
    EXPECT_DOUBLE_EQ(app.state().Z1, 20) << "nothing written";
}

TEST(ModuleChoice, NoModuleOpensTheErrorScreenWithTheBeep)
{
    Driver app;
    hardenedDesignUpToVibor(app);
    const int beeps = app.beeps();
    app.click("Vibor", "Command1");
    EXPECT_TRUE(app.isVisible("oshibka1"));
    EXPECT_FALSE(app.isVisible("Vibor"));
    EXPECT_FALSE(app.isVisible("okon"));
    EXPECT_EQ(app.beeps(), beeps + 1);
    EXPECT_EQ(app.caption("oshibka1", "Label1"), QStringLiteral("Выберите один из стандартных модулей"));
    app.click("oshibka1", "Command1");
    EXPECT_FALSE(app.isVisible("oshibka1"));
}

void wheelPass(Driver& app, const char* tip, const char* module)
{
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.type("Vvod", "Text4", QStringLiteral("30"));
    app.type("Vvod", "Text5", QString::fromLatin1(tip));
    app.type("Vvod", "Text6", QStringLiteral("20"));
    app.type("Vvod", "Text7", QStringLiteral("77"));
    app.click("Vvod", "Command1");
    ASSERT_TRUE(app.isVisible("Vibor"));
    app.type("Vibor", "Combo1", QString::fromLatin1(module));
    app.click("Vibor", "Command1");
}

TEST(WheelMode, FromTheMenuToTheSketchWithItsDimensions)
{
    Driver app;
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.type("Vvod", "Text4", QStringLiteral("30"));
    app.type("Vvod", "Text5", QStringLiteral("105"));
    app.type("Vvod", "Text6", QStringLiteral("20"));
    app.type("Vvod", "Text7", QStringLiteral("40"));
    app.click("Vvod", "Command1");
    EXPECT_EQ(app.caption("Vibor", "Label6"), QStringLiteral("2.5"));
    app.screen("Vibor")->hide();

    wheelPass(app, "105", "2.5");
    ASSERT_TRUE(app.isVisible("vivod1"));
    const char* expected[][2] = {{"Label5", "100"}, {"Label6", "93.75"}, {"Label7", "105"}, {"Label8", "30"},
                                 {"Label10", "20"}, {"Label15", "50"},   {"Label16", "40"}};
    for (const auto& [label, text] : expected)
        EXPECT_EQ(app.caption("vivod1", label), QString::fromLatin1(text)) << label;
    EXPECT_EQ(app.screen("vivod1")->windowTitle(), QStringLiteral("Эскиз зубчатого колеса при dа<250мм"));

    app.click("vivod1", "Command1");
    wheelPass(app, "700", "16.0");
    EXPECT_TRUE(app.isVisible("vivod3"));
    EXPECT_FALSE(app.isVisible("vivod1"));
    EXPECT_EQ(app.caption("vivod1", "Label5"), QStringLiteral("100")) << "the first sketch is left as it was";
    EXPECT_EQ(app.control<QWidget>("vivod3", "Label18"), nullptr) << "no empty rib thickness row";
    EXPECT_EQ(app.caption("vivod3", "Label17"), QStringLiteral("6"));
}

TEST(WheelMode, AWheelWithoutATipDiameterIsRefused)
{
    Driver app;
    app.menu("mnuKol");
    app.type("Vvod", "Text1", QStringLiteral("40"));
    app.type("Vvod", "Text4", QStringLiteral("30"));
    app.click("Vvod", "Command1");
    EXPECT_TRUE(app.answerRefusal().startsWith(QStringLiteral("Введите диаметр окружности вершин da")));
    EXPECT_TRUE(app.isVisible("Vvod"));
    EXPECT_FALSE(app.isVisible("Vibor"));
    EXPECT_EQ(app.text("Vvod", "Text1"), QStringLiteral("40"));
}

void checkPass(Driver& app, const char* requirement, const char* treatment, const char* grade)
{
    app.menu("mnuProv");
    app.choose("trebov2", requirement);
    app.click("trebov2", "Command1");
    const char* treatmentScreen = QByteArray(requirement) == "Option1" ? "Czakalka2" : "BNormal2";
    app.choose(treatmentScreen, treatment);
    app.click(treatmentScreen, "Command1");
    for (const char* steel : {"stal1", "stal2", "stal3", "stal4", "stal5"}) {
        if (app.isVisible(steel)) {
            app.choose(steel, grade);
            app.click(steel, "Command1");
        }
    }
    ASSERT_TRUE(app.isVisible("Vvod3"));
    app.type("Vvod3", "Text1", QStringLiteral("240"));
    app.type("Vvod3", "Text2", QStringLiteral("60"));
    app.type("Vvod3", "Text4", QStringLiteral("40"));
    app.click("Vvod3", "Command1");
}

TEST(CheckMode, CarburisedWheelCarriesItsLoad)
{
    Driver app;
    checkPass(app, "Option1", "Option3", "Option1");
    ASSERT_TRUE(app.isVisible("result"));
    EXPECT_TRUE(app.isVisible("Vvod3")) << "the input stays open under the result";
    // Сталь 18ХГТ: σF = 950 MPa; m = 4, ψbm = 10, YF = 3.73 (60 teeth):
    // 0.4·950·60·10·4³/(2·3.73·1.5)/1000.
    EXPECT_NEAR(number(app.caption("result", "Label2")), 1304.02144772, 1e-8);
    const QString shown = app.caption("result", "Label2");
    EXPECT_EQ(app.caption("result", "Label1"), QStringLiteral("Расчётная нагрузка равна"));
    EXPECT_EQ(app.caption("result", "Label3"), QStringLiteral("Нм"));

    app.type("Vvod3", "Text2", QStringLiteral("0"));
    app.click("Vvod3", "Command1");
    EXPECT_FALSE(app.answerRefusal().isEmpty());
    EXPECT_EQ(app.caption("result", "Label2"), shown) << "the shown result stays";
}

TEST(CheckMode, ImprovedWheelGivesTheSameLoadWhateverCameBefore)
{
    Driver fresh;
    checkPass(fresh, "Option2", "Option2", "Option1");
    // 265 HB improved: σF = 1.8·265 = 477 MPa; 0.4·477·60·10·4³/(2·3.73·1.5)/1000.
    EXPECT_NEAR(number(fresh.caption("result", "Label2")), 654.756032172, 1e-8);
    const QString load = fresh.caption("result", "Label2");

    Driver afterDesign;
    hardenedDesignUpToVibor(afterDesign);
    checkPass(afterDesign, "Option2", "Option2", "Option1");
    EXPECT_EQ(afterDesign.caption("result", "Label2"), load);

    // A design worked through to its stresses while the check's input stays
    // open: the check pressed again computes with its own steel.
    afterDesign.click("result", "Command1");
    afterDesign.menu("mnuPer");
    afterDesign.choose("ATverd", "Option5");
    afterDesign.click("ATverd", "Command1");
    afterDesign.choose("Czakalka2", "Option3");
    afterDesign.click("Czakalka2", "Command1");
    afterDesign.choose("stal4", "Option1");
    afterDesign.click("stal4", "Command1");
    afterDesign.type("Vvod2", "Text1", QStringLiteral("20"));
    afterDesign.type("Vvod2", "Text3", QStringLiteral("100"));
    afterDesign.chooseItem("Vvod2", "Combo1", 12);
    afterDesign.click("Vvod2", "Command1");
    afterDesign.type("Vibor", "Combo1", QStringLiteral("2.5"));
    afterDesign.click("Vibor", "Command1");
    ASSERT_TRUE(afterDesign.isVisible("okon"));
    ASSERT_TRUE(afterDesign.isVisible("Vvod3"));
    afterDesign.click("Vvod3", "Command1");
    EXPECT_EQ(afterDesign.caption("result", "Label2"), load);
}

TEST(Captions, UseTheRegionalDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Driver app;
    wheelPass(app, "105", "2.5");
    EXPECT_EQ(app.caption("vivod1", "Label6"), QStringLiteral("93,75"));
    QLocale::setDefault(QLocale::c());
}

// The course's worked passes as the native core works them out for the
// page's tests (tests/web/worked_numbers, which drives the core's functions
// directly): typed into the desktop with key events, each shows the same
// numbers and saves the same file, byte for byte. The page is held to the
// same passes, and gearcalc reads that file in its own tests.
TEST(WorkedPasses, TheDesktopShowsAndSavesWhatTheNativeCoreWorksOut)
{
    QProcess native;
    native.start(QStringLiteral(GEAR_WORKED_NUMBERS), {QString::fromStdString(ui::decimalSeparator())});
    ASSERT_TRUE(native.waitForFinished(60000));
    ASSERT_EQ(native.exitCode(), 0) << native.readAllStandardError().toStdString();
    const QJsonObject worked = QJsonDocument::fromJson(native.readAllStandardOutput()).object();
    const auto designed = [](const char* ratio, const char* module, const char* secondRow) {
        return [=](Driver& app) {
            app.toCarburisedDesign();
            app.type("Vvod2", "Text1", QStringLiteral("20"));
            app.type("Vvod2", "Text3", QStringLiteral("100"));
            app.type("Vvod2", "Combo1", QString::fromLatin1(ratio));
            app.pressEnter("Vvod2", "Text3");
            app.type("Vibor", "Combo1", QString::fromLatin1(module));
            app.type("Vibor", "Combo2", QString::fromLatin1(secondRow));
            app.click("Vibor", "Command1");
            app.chooseItem("okon", "Combo1", 21);
            app.click("okon", "Command1");
        };
    };
    const std::pair<const char*, std::function<void(Driver&)>> passes[] = {
        {"transmission", [](Driver& app) { app.toHardenedResults(); }},
        {"typedRatio", designed("3", "2.5", "")},
        {"typedModule", designed("4.0", "", "5")},
        {"wheel", [](Driver& app) { app.sizeWheel("105", "2.5"); }},
        {"discWheel", [](Driver& app) { app.sizeWheel("420", "10.0"); }},
        {"spokedWheel", [](Driver& app) { app.sizeWheel("840", "20.0"); }},
        {"check", [](Driver& app) { checkPass(app, "Option2", "Option2", "Option1"); }},
    };
    QTemporaryDir folder;
    for (const auto& [name, walk] : passes) {
        SCOPED_TRACE(name);
        const QJsonObject expected = worked.value(QLatin1String(name)).toObject();
        ASSERT_FALSE(expected.isEmpty());
        Driver app;
        walk(app);
        int compared = 0;
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            // "screen.LabelN"; the pictures' keys say which picture and what
            // its drawing writes, which the drawing tests compare.
            const QStringList key = it.key().split(QLatin1Char('.'));
            if (key.size() != 2 || key[1].startsWith(QLatin1String("Image")))
                continue;
            EXPECT_EQ(app.caption(key[0].toLatin1().constData(), key[1].toLatin1().constData()), it.value().toString())
                << it.key().toStdString();
            ++compared;
        }
        EXPECT_GT(compared, 0);
        const QString path = folder.filePath(QLatin1String(name) + QStringLiteral(".gear"));
        ASSERT_TRUE(app.program().mainWindow().document().saveAs(path));
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(saved.readAll()), expected.value(QStringLiteral("file")).toString());
    }
}

} // namespace
} // namespace gear::test
