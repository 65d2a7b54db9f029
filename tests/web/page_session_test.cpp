// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace gear::web {
namespace {

// The text a reply puts into screen.control, or "<none>".
std::string textOf(const Reply& reply, ScreenId screen, const std::string& control)
{
    std::string found = "<none>";
    for (const ControlText& t : reply.texts) {
        if (t.screen == screen && t.control == control)
            found = t.text;
    }
    return found;
}

// The hardened pair of the course: «Цементация», «Сталь 18ХГТ», Z1 = 20,
// T = 100, U = 4.
Reply designPair(PageSession& page)
{
    page.menu("mnuPer");
    EXPECT_EQ(page.ok(ScreenId::ATverd, {{}, 5}).outcome.next, ScreenId::Czakalka2);
    EXPECT_EQ(page.ok(ScreenId::Czakalka2, {{}, 3}).outcome.next, ScreenId::stal4);
    EXPECT_EQ(page.ok(ScreenId::stal4, {{}, 1}).outcome.next, ScreenId::Vvod2);
    return page.ok(ScreenId::Vvod2, {{"20", "", "100", "4.0"}});
}

TEST(PageSession, TheDesignHandsTheModuleToTheModuleChoiceWithBothRowsEmptied)
{
    PageSession page(",");
    const Reply reply = designPair(page);
    ASSERT_FALSE(reply.outcome.refused());
    EXPECT_EQ(reply.outcome.next, ScreenId::Vibor);
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Label6"), numberToText(page.state().m, ","));
    EXPECT_NE(textOf(reply, ScreenId::Vibor, "Label6").find(','), std::string::npos) << "the separator asked for";
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Combo1"), "");
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Combo2"), "");
}

TEST(PageSession, AWheelShowsTheModuleFromItsTipDiameterNotAnEarlierDesignModule)
{
    PageSession page(".");
    designPair(page);
    page.menu("mnuKol");
    const Reply reply = page.ok(ScreenId::Vvod, {{"40", "", "30", "105", "20", ""}});
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Label6"), "2.5");
}

// Each caption of the module choice's hand-over, and the number it shows.
struct Caption {
    ScreenId screen;
    const char* control;
    const char* text;
};

TEST(PageSession, TheModuleTakenFillsTheStressesAndTheResultsTable)
{
    PageSession page(".");
    designPair(page);
    const Reply reply = page.ok(ScreenId::Vibor, {{"2.5", ""}});
    EXPECT_EQ(reply.outcome.next, ScreenId::okon);
    const Caption captions[] = {
        {ScreenId::okon, "Label13", "210.944"},          {ScreenId::okon, "Label14", "191.488"},
        {ScreenId::okon, "Label17", "787.095928079926"}, {ScreenId::okon, "Label18", "393.547964039963"},
        {ScreenId::okonchanie, "Label12", "2.5"},        {ScreenId::okonchanie, "Label19", "2.5"},
        {ScreenId::okonchanie, "Label13", "20"},         {ScreenId::okonchanie, "Label20", "80"},
        {ScreenId::okonchanie, "Label14", "0"},          {ScreenId::okonchanie, "Label21", "0"},
        {ScreenId::okonchanie, "Label15", "55"},         {ScreenId::okonchanie, "Label22", "205"},
        {ScreenId::okonchanie, "Label16", "43.75"},      {ScreenId::okonchanie, "Label23", "193.75"},
        {ScreenId::okonchanie, "Label17", "50"},         {ScreenId::okonchanie, "Label24", "200"},
    };
    for (const Caption& c : captions)
        EXPECT_EQ(textOf(reply, c.screen, c.control), c.text) << screenName(c.screen) << '.' << c.control;

    const Reply steel = page.ok(ScreenId::okon, {{}, 0, 21});
    EXPECT_EQ(steel.outcome.next, ScreenId::okonchanie);
    EXPECT_EQ(textOf(steel, ScreenId::okonchanie, "Label18"), "Сталь 18ХГТ");
    EXPECT_EQ(textOf(steel, ScreenId::okonchanie, "Label25"), "Сталь 18ХГТ");
}

TEST(PageSession, AWheelEndsOnTheSketchOfItsSizeWithItsDimensions)
{
    struct Case {
        const char* da;
        ScreenId sketch;
        WheelDesign design;
        const char* firstRow; // d
    };
    for (const Case& c : {Case{"105", ScreenId::vivod1, WheelDesign::Solid, "100"},
                          Case{"420", ScreenId::vivod2, WheelDesign::Disc, "415"},
                          Case{"840", ScreenId::vivod3, WheelDesign::Spoked, "835"}}) {
        PageSession page(".");
        page.menu("mnuKol");
        ASSERT_FALSE(page.ok(ScreenId::Vvod, {{"40", "", "30", c.da, "20", ""}}).outcome.refused());
        const Reply reply = page.ok(ScreenId::Vibor, {{"2.5", ""}});
        EXPECT_EQ(reply.outcome.next, c.sketch) << c.da;
        EXPECT_EQ(textOf(reply, c.sketch, "Label5"), c.firstRow) << c.da;
        ASSERT_EQ(reply.pictures.size(), 1U);
        EXPECT_EQ(reply.pictures[0].screen, c.sketch);
        EXPECT_EQ(reply.pictures[0].design, c.design);
    }
}

TEST(PageSession, TheDrawingShowsExactlyThePictureOfThePinionsTipDiameter)
{
    // The results' drawing takes 250 mm itself as a small wheel.
    struct Case {
        const char* module;
        const char* shown;
    };
    // Z1 = 20, so da = 22·m: 2.5 → 55, 12 → 264, 30 → 660.
    for (const Case& c : {Case{"2.5", "Image1"}, Case{"12.0", "Image2"}, Case{"30", "Image3"}}) {
        PageSession page(".");
        designPair(page);
        ASSERT_FALSE(page.ok(ScreenId::Vibor, {{c.module, ""}}).outcome.refused()) << c.module;
        const Reply reply = page.showDrawing();
        EXPECT_EQ(reply.outcome.next, ScreenId::vivod4);
        EXPECT_FALSE(reply.outcome.leave) << "the results stay open behind the drawing";
        ASSERT_EQ(reply.shown.size(), 3U);
        for (const ControlShown& s : reply.shown)
            EXPECT_EQ(s.shown, s.control == c.shown) << c.module << ' ' << s.control;
        ASSERT_EQ(reply.pictures.size(), 1U);
        EXPECT_EQ(reply.pictures[0].control, c.shown);
    }
}

TEST(PageSession, ARefusalWritesNoCaption)
{
    PageSession page(".");
    page.menu("mnuPer");
    const Reply reply = page.ok(ScreenId::Vvod2, {{"", "", "100", "4.0"}});
    EXPECT_EQ(reply.outcome.refusal, "Число зубьев шестерни Z1 должно быть больше нуля.");
    EXPECT_TRUE(reply.texts.empty());
    EXPECT_FALSE(reply.outcome.next);
}

TEST(PageSession, ARefusalWritesItsNumbersWithThePagesSeparator)
{
    PageSession page(",");
    page.menu("mnuKol");
    ASSERT_FALSE(page.ok(ScreenId::Vvod, {{"40", "", "30", "20", "20", ""}}).outcome.refused());
    EXPECT_EQ(page.ok(ScreenId::Vibor, {{"5,5", ""}}).outcome.refusal,
              "При модуле 5,5 мм диаметр впадин не получается положительным: выберите модуль меньше.");
}

TEST(PageSession, MenuCommandsOpenTheirScreenAndLeaveNothing)
{
    struct Case {
        const char* command;
        ScreenId screen;
    };
    for (const Case& c : {Case{"mnuKol", ScreenId::Vvod}, Case{"mnuPer", ScreenId::ATverd},
                          Case{"mnuProv", ScreenId::trebov2}, Case{"mnuProg", ScreenId::info},
                          Case{"mnuSteps", ScreenId::hodRascheta}, Case{"mnuParam", ScreenId::nastroyka}}) {
        PageSession page(".");
        const Reply reply = page.menu(c.command);
        EXPECT_EQ(reply.outcome.next, c.screen) << c.command;
        EXPECT_FALSE(reply.outcome.leave) << c.command;
    }
    PageSession page(".");
    EXPECT_FALSE(page.menu("mnuExit").outcome.next) << "a page cannot end the program";
}

TEST(PageSession, TheParametersShowTheCoefficientsInForceAndTakeNewOnes)
{
    PageSession page(",");
    Reply reply = page.menu("mnuParam");
    ASSERT_EQ(reply.texts.size(), 17U);
    EXPECT_EQ(textOf(reply, ScreenId::nastroyka, "Text1"), "0,5");
    EXPECT_EQ(textOf(reply, ScreenId::nastroyka, "Text15"), "1,082");

    OkInput typed;
    for (const ControlText& t : reply.texts)
        typed.texts.push_back(t.text);
    typed.texts[0] = "0,4";
    EXPECT_TRUE(page.ok(ScreenId::nastroyka, typed).outcome.leave);
    EXPECT_EQ(textOf(page.menu("mnuParam"), ScreenId::nastroyka, "Text1"), "0,4");

    typed.texts[1] = "0";
    EXPECT_EQ(page.ok(ScreenId::nastroyka, typed).outcome.refusal, "Коэффициент kf должен быть положительным числом.");
}

} // namespace
} // namespace gear::web
