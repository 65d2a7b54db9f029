// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include "file/calculation_file.h"
#include "geometry/module_choice.h"
#include "screens/screen_catalogue.h"
#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace gear {
namespace {

// The text a reply leaves in screen.control, the last it writes, or "<none>".
std::string textOf(const Reply& reply, ScreenId screen, const std::string& control)
{
    std::string found = "<none>";
    for (const ControlText& t : reply.texts) {
        if (t.screen == screen && t.control == control)
            found = t.text;
    }
    return found;
}

// The screens a reply shows, in order, and those it hides.
std::vector<ScreenId> opened(const Reply& reply)
{
    std::vector<ScreenId> screens;
    for (const ScreenShown& s : reply.screens) {
        if (s.shown)
            screens.push_back(s.screen);
    }
    return screens;
}

std::vector<ScreenId> hidden(const Reply& reply)
{
    std::vector<ScreenId> screens;
    for (const ScreenShown& s : reply.screens) {
        if (!s.shown)
            screens.push_back(s.screen);
    }
    return screens;
}

// The one screen a reply opens, or none.
std::optional<ScreenId> next(const Reply& reply)
{
    const std::vector<ScreenId> screens = opened(reply);
    return screens.size() == 1 ? std::optional(screens.front()) : std::nullopt;
}

// «Сохранить» as a front-end does it: the file, then the mark.
FileToSave save(Session& page)
{
    FileToSave file = page.fileToSave();
    page.saved(file.name);
    return file;
}

// The hardened pair of the course: «Цементация», «Сталь 18ХГТ», Z1 = 20,
// T = 100, U = 4.
Reply designPair(Session& page)
{
    page.menu("mnuPer");
    EXPECT_EQ(next(page.ok(ScreenId::ATverd, {5, {}})), ScreenId::Czakalka2);
    EXPECT_EQ(next(page.ok(ScreenId::Czakalka2, {3, {}})), ScreenId::stal4);
    EXPECT_EQ(next(page.ok(ScreenId::stal4, {1, {}})), ScreenId::Vvod2);
    return page.ok(ScreenId::Vvod2, {0, {"20", "", "100", "4.0"}});
}

TEST(Session, TheDesignHandsTheModuleToTheModuleChoiceWithBothRowsEmptied)
{
    Session page(",");
    const Reply reply = designPair(page);
    ASSERT_FALSE(reply.refused());
    EXPECT_EQ(next(reply), ScreenId::Vibor);
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Label6"), numberToText(page.state().m, ","));
    EXPECT_NE(textOf(reply, ScreenId::Vibor, "Label6").find(','), std::string::npos) << "the separator asked for";
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Combo1"), "");
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Combo2"), "");
}

TEST(Session, AWheelShowsTheModuleFromItsTipDiameterNotAnEarlierDesignModule)
{
    Session page(".");
    designPair(page);
    page.menu("mnuKol");
    const Reply reply = page.ok(ScreenId::Vvod, {0, {"40", "", "30", "105", "20", "40"}});
    EXPECT_EQ(textOf(reply, ScreenId::Vibor, "Label6"), "2.5");
}

// Each caption of the module choice's hand-over, and the number it shows.
struct Caption {
    ScreenId screen;
    const char* control;
    const char* text;
};

TEST(Session, TheModuleTakenFillsTheStressesAndTheSteelTakenTheResultsTable)
{
    Session page(".");
    designPair(page);
    const Reply reply = page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    EXPECT_EQ(next(reply), ScreenId::okon);
    const Caption captions[] = {
        // YF1 = 4.12, YF2 = 3.74, Ft1 = 4000 N, bw = 25 mm, the set's factors 1.
        {ScreenId::okon, "Label13", "263.68"},      {ScreenId::okon, "Label14", "239.36"},
        {ScreenId::okon, "Label17", "880"},         {ScreenId::okon, "Label18", "880"},
        {ScreenId::okonchanie, "Label12", "2.5"},   {ScreenId::okonchanie, "Label19", "2.5"},
        {ScreenId::okonchanie, "Label13", "20"},    {ScreenId::okonchanie, "Label20", "80"},
        {ScreenId::okonchanie, "Label14", "0"},     {ScreenId::okonchanie, "Label21", "0"},
        {ScreenId::okonchanie, "Label15", "55"},    {ScreenId::okonchanie, "Label22", "205"},
        {ScreenId::okonchanie, "Label16", "43.75"}, {ScreenId::okonchanie, "Label23", "193.75"},
        {ScreenId::okonchanie, "Label17", "50"},    {ScreenId::okonchanie, "Label24", "200"},
    };
    const Reply steel = page.ok(ScreenId::okon, {21, {}});
    // The stresses are shown as the module choice opens the steel list, the
    // pair's table as the steel taken opens it.
    for (const Caption& c : captions)
        EXPECT_EQ(textOf(c.screen == ScreenId::okon ? reply : steel, c.screen, c.control), c.text)
            << screenName(c.screen) << '.' << c.control;

    EXPECT_EQ(next(steel), ScreenId::okonchanie);
    EXPECT_EQ(textOf(steel, ScreenId::okonchanie, "Label18"), "Сталь 18ХГТ");
    EXPECT_EQ(textOf(steel, ScreenId::okonchanie, "Label25"), "Сталь 18ХГТ");
}

// The items of a list the reply marks with the passing sign, by index.
std::vector<int> markedItems(const Reply& reply, ScreenId screen)
{
    std::vector<int> marked;
    for (const ItemText& item : reply.items) {
        if (item.screen == screen && item.text.find("подходит") != std::string::npos)
            marked.push_back(item.index);
    }
    return marked;
}

bool warns(const Reply& reply, ScreenId screen, const std::string& control)
{
    for (const ControlText& t : reply.texts) {
        if (t.screen == screen && t.control == control)
            return t.warning;
    }
    return false;
}

// The course's hardened pair: σH = 880, σF1 = 263.68, σF2 = 239.36 MPa with
// S_H = 1.2 of carburising. Contact needs σH_lim ≥ 880/(1.05·0.9/1.2) =
// 1117.5 MPa, bending σF_lim ≥ 263.68/(1.05·0.4) = 627.8 MPa: the five
// carburised rows. 18ХГТ of row 21: [σH] = 1035, Δ = −14.98 % (normal,
// just inside −15 %); [σF] = 380, −30.6 % and −37.0 % (reserve).
TEST(Session, TheSteelsThatCarryThePairAreMarkedAndTheOneTakenIsJudged)
{
    Session page(",");
    designPair(page);
    const Reply list = page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    EXPECT_EQ(markedItems(list, ScreenId::okon), (std::vector<int>{21, 22, 26, 27, 28}));
    const Reply results = page.ok(ScreenId::okon, {21, {}});
    const std::pair<const char*, const char*> says[] = {
        {"Label26", "Проверка условий прочности"},
        {"Label27", "Δ = -14,98 % — норма"},
        {"Label28", "Δ = -30,61 % — запас"},
        {"Label29", "Δ = -37,01 % — запас"},
        {"Label33", "Ft = 4000 Н"},
        {"Label31", "ближайшее по ГОСТ 2185-66 — 125 мм"},
    };
    for (const auto& [control, part] : says)
        EXPECT_NE(textOf(results, ScreenId::okonchanie, control).find(part), std::string::npos)
            << control << ": " << textOf(results, ScreenId::okonchanie, control);
    EXPECT_FALSE(warns(results, ScreenId::okonchanie, "Label27"));
    // Without a speed there is nothing to say of it; without undercut neither.
    EXPECT_EQ(textOf(results, ScreenId::okonchanie, "Label32"), "");
    EXPECT_EQ(textOf(results, ScreenId::okonchanie, "Label34"), "");

    // Row 1, Сталь 40 improved: [σH] = 0.9·590/1.2 = 442.5, +98.9 %.
    const Reply weak = page.ok(ScreenId::okon, {1, {}});
    EXPECT_NE(textOf(weak, ScreenId::okonchanie, "Label27").find("перегрузка"), std::string::npos);
    EXPECT_TRUE(warns(weak, ScreenId::okonchanie, "Label27"));
}

// The design gave 2.53358 mm: 2.5 overloads the bending by
// (2.53358/2.5)³ − 1 = 4.08 %; 2.75 and 3 are the right step and the next;
// 3.5 is two steps above.
TEST(Session, TheModuleChoiceSaysWhatTheModulePickedDoesBeforeTheOk)
{
    Session page(".");
    designPair(page);
    const double mdesign = page.state().m;
    ASSERT_NEAR(mdesign, 2.53358, 1e-5);
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"2.5", ""}, "4.08 %"}, {{"", "2.75"}, ""}, {{"3", ""}, ""}, {{"", "3.5"}, "больше расчётного"},
        {{"2.5", "2.75"}, ""},   {{"", ""}, ""},
    };
    for (const auto& [rows, part] : cases) {
        const Reply said = page.preview(ScreenId::Vibor, {0, rows});
        const std::string text = textOf(said, ScreenId::Vibor, std::string(kModuleNoteName));
        if (*part == '\0')
            EXPECT_EQ(text, "") << rows[0] << "|" << rows[1];
        else
            EXPECT_NE(text.find(part), std::string::npos) << rows[0] << "|" << rows[1] << ": " << text;
        EXPECT_TRUE(said.screens.empty() && !said.calculated);
    }
    // Nothing was taken: the design's module stands.
    EXPECT_EQ(page.state().m, mdesign);
}

TEST(Session, AWheelEndsOnTheSketchOfItsSizeWithItsDimensions)
{
    struct Case {
        const char* da;
        const char* module;
        ScreenId sketch;
        WheelDesign design;
        const char* firstRow; // d
    };
    for (const Case& c : {Case{"105", "2.5", ScreenId::vivod1, WheelDesign::Solid, "100"},
                          Case{"420", "10.0", ScreenId::vivod2, WheelDesign::Disc, "400"},
                          Case{"840", "20.0", ScreenId::vivod3, WheelDesign::Spoked, "800"}}) {
        Session page(".");
        page.menu("mnuKol");
        ASSERT_FALSE(page.ok(ScreenId::Vvod, {0, {"40", "", "30", c.da, "20", "40"}}).refused());
        const Reply reply = page.ok(ScreenId::Vibor, {0, {c.module, ""}});
        EXPECT_EQ(next(reply), c.sketch) << c.da;
        EXPECT_EQ(textOf(reply, c.sketch, "Label5"), c.firstRow) << c.da;
        ASSERT_EQ(reply.pictures.size(), 1U);
        EXPECT_EQ(reply.pictures[0].screen, c.sketch);
        EXPECT_EQ(reply.pictures[0].design, c.design);
    }
}

TEST(Session, TheDrawingShowsExactlyThePictureOfThePinionsTipDiameter)
{
    // The results' drawing takes 250 mm itself as a small wheel.
    struct Case {
        const char* module;
        const char* shown;
    };
    // Z1 = 20, so da = 22·m: 2.5 → 55, 12 → 264, 30 → 660.
    for (const Case& c : {Case{"2.5", "Image1"}, Case{"12.0", "Image2"}, Case{"30", "Image3"}}) {
        Session page(".");
        designPair(page);
        ASSERT_FALSE(page.ok(ScreenId::Vibor, {0, {c.module, ""}}).refused()) << c.module;
        const Reply reply = page.showDrawing();
        EXPECT_EQ(next(reply), ScreenId::vivod4);
        EXPECT_TRUE(hidden(reply).empty()) << "the results stay open behind the drawing";
        ASSERT_EQ(reply.shown.size(), 3U);
        for (const ControlShown& s : reply.shown)
            EXPECT_EQ(s.shown, s.control == c.shown) << c.module << ' ' << s.control;
        ASSERT_EQ(reply.pictures.size(), 1U);
        EXPECT_EQ(reply.pictures[0].control, c.shown);
    }
}

// The self-check's rows are its fields Self1, Self2 …: what was typed stays
// in its row, and «Проверить» marks each row in its own Mark field.
TEST(Session, TheSelfCheckMarksEachRowInItsOwnFields)
{
    Session page(",");
    designPair(page);
    const std::vector<SelfCheckRow> rows = page.selfCheckRows();
    ASSERT_GE(rows.size(), 3U);
    std::vector<std::string> typed(rows.size());
    typed[0] = "59,5"; // the first line, H1
    typed[2] = "1";
    const Reply checked = page.checkSelf(typed, "0,5");
    EXPECT_EQ(textOf(checked, ScreenId::hodRascheta, "Self1"), "59,5");
    EXPECT_EQ(textOf(checked, ScreenId::hodRascheta, "Self3"), "1");
    EXPECT_EQ(textOf(checked, ScreenId::hodRascheta, "Self2"), "");
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(textOf(checked, ScreenId::hodRascheta, "Mark" + n).empty(), typed[i].empty()) << n;
    }
}

TEST(Session, ARefusalWritesNoCaption)
{
    Session page(".");
    page.menu("mnuPer");
    const Reply reply = page.ok(ScreenId::Vvod2, {0, {"", "", "100", "4.0"}});
    EXPECT_EQ(reply.message, "Введите число зубьев шестерни Z1.");
    EXPECT_TRUE(reply.texts.empty());
    EXPECT_FALSE(next(reply));
}

// A refused Ok names the field its sentence is about, wherever the field
// stands and whatever is wrong with it, so that every front-end takes the
// student back to that field and to no other.
TEST(Session, ARefusalNamesTheFieldItIsAbout)
{
    struct Case {
        ScreenId screen;
        std::vector<std::string> sound; // texts the Ok takes
        const char* commands[4];        // menu command and the options before the screen
    };
    const Case cases[] = {
        {ScreenId::Vvod2, {"20", "", "100", "4.0", "1450"}, {"mnuPer"}},
        {ScreenId::Vvod, {"40", "", "30", "84", "20", "40"}, {"mnuKol"}},
        {ScreenId::Vvod3, {"240", "60", "", "40"}, {"mnuProv"}},
        {ScreenId::nastroyka, {}, {"mnuParam"}},
    };
    for (const Case& c : cases) {
        const ScreenEntry& entry = screenEntry(c.screen);
        for (size_t field = 0; field < entry.texts.size(); ++field) {
            for (const char* wrong : {"x", "1e9"}) {
                Session page(".");
                const Reply shown = page.menu(c.commands[0]);
                std::vector<std::string> texts = c.sound;
                if (texts.empty()) {
                    for (const ControlText& t : shown.texts)
                        texts.push_back(t.text);
                }
                ASSERT_EQ(texts.size(), entry.texts.size()) << screenName(c.screen);
                texts[field] = wrong;
                const Reply reply = page.ok(c.screen, {0, texts});
                ASSERT_TRUE(reply.refused()) << screenName(c.screen) << ' ' << field << ' ' << wrong;
                EXPECT_EQ(reply.messageField, entry.texts[field].control)
                    << screenName(c.screen) << ' ' << field << ' ' << wrong << ": " << reply.message;
            }
        }
    }
    // The shaft wider than the wheel is the shaft's to correct; a module
    // from the second row, the second row's.
    Session page(".");
    page.menu("mnuKol");
    EXPECT_EQ(page.ok(ScreenId::Vvod, {0, {"40", "", "90", "84", "20", "40"}}).messageField, "Text4");
    EXPECT_EQ(page.ok(ScreenId::Vvod, {0, {"40", "", "0", "84", "20", "40"}}).messageField, "Text4") << "no shaft";
    EXPECT_EQ(page.ok(ScreenId::Vvod, {0, {"40", "", "30", "84", "20", "40"}}).messageField, "");
    EXPECT_EQ(page.ok(ScreenId::Vibor, {0, {"", "x"}}).messageField, "Combo2");
    // What no one field holds names none.
    EXPECT_EQ(page.ok(ScreenId::Vibor, {0, {"", ""}}).messageField, "");
}

TEST(Session, ARefusalWritesItsNumbersWithThePagesSeparator)
{
    Session page(",");
    page.menu("mnuKol");
    ASSERT_FALSE(page.ok(ScreenId::Vvod, {0, {"40", "", "30", "84", "20", "40"}}).refused());
    EXPECT_EQ(page.ok(ScreenId::Vibor, {0, {"0,5", ""}}).message,
              "Вал dв = 30 мм не помещается в колесо с модулем 0,5 мм: диаметр вала должен быть меньше диаметра "
              "впадин df = 18,75 мм.");
}

TEST(Session, MenuCommandsOpenTheirScreenAndLeaveNothing)
{
    struct Case {
        const char* command;
        ScreenId screen;
    };
    for (const Case& c : {Case{"mnuKol", ScreenId::Vvod}, Case{"mnuPer", ScreenId::ATverd},
                          Case{"mnuProv", ScreenId::trebov2}, Case{"mnuProg", ScreenId::info},
                          Case{"mnuSteps", ScreenId::hodRascheta}, Case{"mnuParam", ScreenId::nastroyka}}) {
        Session page(".");
        const Reply reply = page.menu(c.command);
        EXPECT_EQ(next(reply), c.screen) << c.command;
        EXPECT_TRUE(hidden(reply).empty()) << c.command;
    }
    Session page(".");
    EXPECT_TRUE(page.menu("mnuExit").screens.empty()) << "no such command";
}

TEST(Session, TheParametersShowTheCoefficientsInForceAndTakeNewOnes)
{
    Session page(",");
    Reply reply = page.menu("mnuParam");
    ASSERT_EQ(reply.texts.size(), 17U);
    EXPECT_EQ(textOf(reply, ScreenId::nastroyka, "Text1"), "0,5");
    EXPECT_EQ(textOf(reply, ScreenId::nastroyka, "Text15"), "1,082");

    GivenInputs typed;
    for (const ControlText& t : reply.texts)
        typed.texts.push_back(t.text);
    typed.texts[0] = "0,4";
    EXPECT_EQ(hidden(page.ok(ScreenId::nastroyka, typed)), std::vector<ScreenId>{ScreenId::nastroyka});
    EXPECT_EQ(textOf(page.menu("mnuParam"), ScreenId::nastroyka, "Text1"), "0,4");

    typed.texts[1] = "0,8";
    EXPECT_EQ(page.ok(ScreenId::nastroyka, typed).message,
              "Коэффициент kf не может быть меньше 1: коэффициент нагрузки, её неравномерности или динамики по "
              "определению не меньше единицы.");
}

// What «Параметры» says of each coefficient holds: one marked as not used
// changes nothing of a hardened or a soft design when raised, one marked as
// used changes something (Sh only enters where no treatment sets it).
TEST(Session, TheParametersMarkOnlyTheCoefficientsNoResultReadsAsUnused)
{
    const auto results = [](size_t raised) {
        Session page(".");
        GivenInputs typed;
        for (const ControlText& t : page.menu("mnuParam").texts)
            typed.texts.push_back(t.text);
        if (raised < typed.texts.size())
            typed.texts[raised] = raised == 0 ? "0.7" : "1.3";
        EXPECT_FALSE(page.ok(ScreenId::nastroyka, typed).refused()) << raised;
        std::string shown;
        for (const bool hardened : {true, false}) {
            page.menu("mnuPer");
            if (hardened) {
                page.ok(ScreenId::ATverd, {5, {}});
                page.ok(ScreenId::Czakalka2, {3, {}});
                page.ok(ScreenId::stal4, {1, {}});
            } else {
                page.ok(ScreenId::ATverd, {2, {}});
                page.ok(ScreenId::BNormal2, {2, {}});
                page.ok(ScreenId::stal2, {3, {}});
            }
            page.ok(ScreenId::Vvod2, {0, {"20", "12", "100", "4"}});
            page.ok(ScreenId::Vibor, {0, {"3.0", ""}});
            page.ok(ScreenId::okon, {21, {}});
            for (const ResultTable& table : page.reportTables())
                for (const auto& row : table.rows)
                    for (const std::string& cell : row)
                        shown += cell + "|";
        }
        return shown;
    };
    const std::string plain = results(99);
    const ScreenEntry& parameters = screenEntry(ScreenId::nastroyka);
    for (size_t i = 0; i < parameters.texts.size(); ++i) {
        const std::string_view name = parameters.texts[i].caption.source;
        if (parameters.texts[i].muted) {
            EXPECT_EQ(results(i), plain) << name << " is marked as not used";
        } else if (name != "Sh") {
            EXPECT_NE(results(i), plain) << name << " is marked as used";
        }
    }
}

// The option a reply leaves marked on a screen, the last it writes
// (−2: it writes none).
int lastMarked(const Reply& reply, ScreenId screen)
{
    int option = -2;
    for (const OptionMarked& m : reply.marked) {
        if (m.screen == screen)
            option = m.option;
    }
    return option;
}

// The item a reply leaves chosen in a list (−2: it chooses none).
int lastChosen(const Reply& reply, ScreenId screen, const std::string& control)
{
    int index = -2;
    for (const ItemChosen& c : reply.chosen) {
        if (c.screen == screen && c.control == control)
            index = c.index;
    }
    return index;
}

// Every mode of the course in one session: the hardened pair, the wheel of
// 420 mm and the checked wheel, the check last.
void workEveryMode(Session& page)
{
    designPair(page);
    page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    page.ok(ScreenId::okon, {21, {}});
    page.menu("mnuKol");
    page.ok(ScreenId::Vvod, {0, {"40", "", "30", "420", "20", "40"}});
    page.ok(ScreenId::Vibor, {0, {"10,0", ""}});
    page.menu("mnuProv");
    page.ok(ScreenId::trebov2, {2, {}});
    page.ok(ScreenId::BNormal2, {2, {}});
    page.ok(ScreenId::stal2, {1, {}});
    page.ok(ScreenId::Vvod3, {0, {"240", "60", "", "40"}});
}

TEST(Session, AnOpenedFilePutsWhatEachOkWasGivenOnItsScreenAndTheSameResults)
{
    Session worked(".");
    workEveryMode(worked);
    const std::string file = save(worked).text;

    // Another student's work is on the screens first.
    Session page(".");
    page.menu("mnuKol");
    page.ok(ScreenId::Vvod, {0, {"30", "12", "25", "99", "15", "33"}});
    page.ok(ScreenId::Vibor, {0, {"3", ""}});
    const Reply reply = page.open("вариант 7.gear", file);
    ASSERT_FALSE(reply.refused()) << reply.message;
    EXPECT_EQ(calculationText(calculationOf(page.state())), calculationText(calculationOf(worked.state())))
        << "the same steps, walkthrough and kept results";

    struct Shown {
        ScreenId screen;
        const char* control;
        const char* text;
    };
    for (const Shown& c : {
             // as typed, in the order each Ok reads them
             Shown{ScreenId::Vvod2, "Text1", "20"},
             Shown{ScreenId::Vvod2, "Text2", ""},
             Shown{ScreenId::Vvod2, "Text3", "100"},
             Shown{ScreenId::Vvod2, "Combo1", "4.0"},
             Shown{ScreenId::Vvod, "Text1", "40"},
             Shown{ScreenId::Vvod, "Text2", ""},
             Shown{ScreenId::Vvod, "Text4", "30"},
             Shown{ScreenId::Vvod, "Text5", "420"},
             Shown{ScreenId::Vvod, "Text6", "20"},
             Shown{ScreenId::Vvod, "Text7", "40"},
             Shown{ScreenId::Vvod3, "Text1", "240"},
             Shown{ScreenId::Vvod3, "Text4", "40"},
             // the module choice shows the wheel's, whose chain ran it last
             Shown{ScreenId::Vibor, "Combo1", "10,0"},
             Shown{ScreenId::Vibor, "Combo2", ""},
             Shown{ScreenId::Vibor, "Label6", "10"},
             // what each Ok handed on
             Shown{ScreenId::okonchanie, "Label16", "43.75"},
             Shown{ScreenId::okonchanie, "Label18", "Сталь 18ХГТ"},
             Shown{ScreenId::okon, "Label13", "263.68"},
             Shown{ScreenId::vivod2, "Label7", "420"},
             Shown{ScreenId::vivod2, "Label30", ""},
             // 265 HB improved: 0.4·477·60·10·4³/(2·3.73·1.5)/1000
             Shown{ScreenId::result, "Label2", "654.756032171582"},
             Shown{ScreenId::nastroyka, "Text1", "0.5"},
         })
        EXPECT_EQ(textOf(reply, c.screen, c.control), c.text) << screenName(c.screen) << '.' << c.control;

    struct Marked {
        ScreenId screen;
        int option;
    };
    for (const Marked& m : {Marked{ScreenId::ATverd, 5}, Marked{ScreenId::Czakalka2, 3}, Marked{ScreenId::stal4, 1},
                            Marked{ScreenId::trebov2, 2}, Marked{ScreenId::BNormal2, 2}, Marked{ScreenId::stal2, 1},
                            Marked{ScreenId::stal1, 0}})
        EXPECT_EQ(lastMarked(reply, m.screen), m.option) << screenName(m.screen);
    EXPECT_EQ(lastChosen(reply, ScreenId::okon, "Combo1"), 21);

    // The check ran last: its input stays open with its result; every other
    // screen of a chain is hidden, the sketch of the wheel among them.
    EXPECT_EQ(opened(reply), (std::vector<ScreenId>{ScreenId::Vvod3, ScreenId::result}));
    const std::vector<ScreenId> gone = hidden(reply);
    for (const ScreenId screen : {ScreenId::vivod1, ScreenId::vivod2, ScreenId::okonchanie, ScreenId::Vibor})
        EXPECT_NE(std::find(gone.begin(), gone.end(), screen), gone.end()) << screenName(screen);
    ASSERT_EQ(reply.pictures.size(), 1U);
    EXPECT_EQ(reply.pictures[0].screen, ScreenId::vivod2);
    EXPECT_FALSE(page.modified());
    EXPECT_EQ(save(page).name, "вариант 7.gear");
}

TEST(Session, AFileOfOneModeEmptiesTheScreensItDoesNotReach)
{
    Session worked(".");
    designPair(worked);
    worked.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    worked.ok(ScreenId::okon, {21, {}});

    Session page(".");
    page.menu("mnuProv");
    page.ok(ScreenId::trebov2, {1, {}});
    page.menu("mnuKol");
    page.ok(ScreenId::Vvod, {0, {"30", "", "25", "99", "15", ""}});
    const Reply reply = page.open("a.gear", save(worked).text);
    ASSERT_FALSE(reply.refused());
    EXPECT_EQ(textOf(reply, ScreenId::Vvod, "Text1"), "");
    EXPECT_EQ(textOf(reply, ScreenId::Vvod, "Text5"), "");
    EXPECT_EQ(textOf(reply, ScreenId::Vvod3, "Text1"), "");
    EXPECT_EQ(lastMarked(reply, ScreenId::trebov2), 0);
    EXPECT_EQ(opened(reply), (std::vector<ScreenId>{ScreenId::okonchanie}));
    EXPECT_FALSE(page.drawing(ScreenId::vivod1, "Image1", {}).has_value()) << "no sketch of a wheel not in the file";
}

TEST(Session, ARefusedFileChangesNothingAndSaysTheCoresSentence)
{
    Session worked(".");
    designPair(worked);
    worked.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    std::string changed = save(worked).text;
    changed.replace(changed.find("\"aw\": 125"), 9, "\"aw\": 126");
    const std::string cases[] = {
        "",
        "{",
        "[1, 2]",
        "{\"format\": \"other\", \"version\": 1}",
        "{\"format\": \"gearwheel-calculation\", \"version\": 99, \"modes\": {}}",
        std::string("\xff\xfe{}"),
        changed,
    };
    for (const std::string& text : cases) {
        Session page(".");
        page.menu("mnuKol");
        page.ok(ScreenId::Vvod, {0, {"40", "", "30", "105", "20", "40"}});
        page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
        const std::string before = calculationText(calculationOf(page.state()));
        const Reply reply = page.open("плохой.gear", text);
        const std::string core = openCalculation(text).refusal.text();
        ASSERT_FALSE(core.empty()) << text;
        EXPECT_EQ(reply.message, "Файл «плохой.gear» не открыт. " + core);
        EXPECT_TRUE(reply.texts.empty() && reply.marked.empty() && reply.chosen.empty() && reply.screens.empty() &&
                    reply.pictures.empty())
            << text;
        EXPECT_EQ(calculationText(calculationOf(page.state())), before) << text;
        EXPECT_TRUE(page.drawing(ScreenId::vivod1, "Image1", {}).has_value()) << "the sketch stays";
        EXPECT_EQ(save(page).name, "Колесо.gear") << "the work keeps its name, after its mode";
    }
}

TEST(Session, SavingWritesTheCoresFileAndMarksTheWorkSaved)
{
    Session page(".");
    EXPECT_FALSE(page.modified()) << "nothing worked yet";
    designPair(page);
    EXPECT_TRUE(page.modified());
    page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    const FileToSave file = save(page);
    EXPECT_EQ(file.name, "Передача.gear") << "a new work is named after its mode";
    EXPECT_EQ(file.text, saveCalculation(page.state()).text);
    EXPECT_TRUE(file.notice.empty());
    EXPECT_FALSE(page.modified());
    page.ok(ScreenId::okon, {21, {}});
    EXPECT_TRUE(page.modified());

    // Coefficients changed after the design: the file holds what the inputs
    // give now, and says so.
    Reply parameters = page.menu("mnuParam");
    GivenInputs typed;
    for (const ControlText& t : parameters.texts)
        typed.texts.push_back(t.text);
    typed.texts[0] = "0.6";
    ASSERT_FALSE(page.ok(ScreenId::nastroyka, typed).refused());
    const FileToSave recomputed = save(page);
    EXPECT_NE(recomputed.notice.find("Результаты расчёта «Передача» в файле пересчитаны"), std::string::npos)
        << recomputed.notice;
}

TEST(Session, EachPictureDrawsTheNumbersItsScreenWasGiven)
{
    Session page(".");
    page.menu("mnuKol");
    page.ok(ScreenId::Vvod, {0, {"40", "", "30", "105", "20", "40"}});
    page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    DrawingTarget area;
    area.paper = false;
    area.width = 106;
    area.height = 116;
    const auto sketch = page.drawing(ScreenId::vivod1, "Image1", area);
    ASSERT_TRUE(sketch.has_value());
    EXPECT_TRUE(sketch->sheetName.empty()) << "an area, not a sheet";
    ASSERT_NE(sketch->find("S"), nullptr);
    EXPECT_EQ(sketch->find("S")->text.content, "S = 8.75") << "the page's separator, not the sheets' comma";
    EXPECT_FALSE(page.drawing(ScreenId::vivod1, "Image2", area).has_value());
    EXPECT_FALSE(page.drawing(ScreenId::vivod4, "Image1", area).has_value()) << "no pair drawn yet";

    // A pair designed since, and a wheel of 840 mm after it: the sketch keeps
    // its wheel, and the pair's drawing takes its body from its own pinion
    // (da1 = 55 mm, a small solid wheel), not from the wheel's 840 mm.
    designPair(page);
    page.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    page.menu("mnuKol");
    page.ok(ScreenId::Vvod, {0, {"40", "", "30", "840", "20", "40"}});
    EXPECT_EQ(page.drawing(ScreenId::vivod1, "Image1", area)->find("da")->text.content, "da = 105");
    const Reply drawn = page.showDrawing();
    ASSERT_EQ(drawn.pictures.size(), 1U);
    EXPECT_EQ(drawn.pictures[0].control, "Image1");
    const auto pair = page.drawing(ScreenId::vivod4, "Image1", area);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->find("aw")->text.content, "aw = 125");

    const auto svg = page.drawingFile(ScreenId::vivod1, "Image1", DrawingFormat::Svg);
    ASSERT_TRUE(svg.has_value());
    EXPECT_EQ(svg->name, "Колесо.svg");
    EXPECT_NE(svg->text.find(">1:1<"), std::string::npos) << "on its sheet, with the title block";
    EXPECT_NE(svg->text.find(">⌀105<"), std::string::npos);
    const auto dxf = page.drawingFile(ScreenId::vivod4, "Image1", DrawingFormat::Dxf);
    ASSERT_TRUE(dxf.has_value());
    EXPECT_EQ(dxf->name, "Передача.dxf");
    EXPECT_EQ(dxf->text.rfind("0\nSECTION\n2\nHEADER", 0), 0U) << dxf->text.substr(0, 40);
    EXPECT_FALSE(page.drawingFile(ScreenId::vivod3, "Image1", DrawingFormat::Svg).has_value());
}

TEST(Session, AWheelBuiltOnAnotherTipDiameterSaysSoBesideItsSketch)
{
    Session page(",");
    page.menu("mnuKol");
    ASSERT_FALSE(page.ok(ScreenId::Vvod, {0, {"41", "", "30", "105", "20", "40"}}).refused());
    const Reply reply = page.ok(ScreenId::Vibor, {0, {"2,5", ""}});
    EXPECT_EQ(textOf(reply, ScreenId::vivod1, "Label7"), "107,5");
    const std::string note = textOf(reply, ScreenId::vivod1, "Label30");
    EXPECT_EQ(note, withDecimalSeparator(wheelTipNote(page.state()).text(), ","));
    EXPECT_NE(note.find("107,5 мм, а введено 105 мм"), std::string::npos) << note;
    EXPECT_NE(std::find(reply.shown.begin(), reply.shown.end(), ControlShown{ScreenId::vivod1, "Label30", true}),
              reply.shown.end());
}

TEST(Session, AnOlderFileOpensWithWhatChangedAndIsUnsavedUntilWritten)
{
    Session worked(".");
    designPair(worked);
    worked.ok(ScreenId::Vibor, {0, {"2.5", ""}});
    std::string older = save(worked).text;
    older.replace(older.find("\"version\": 2"), 12, "\"version\": 1");
    older.replace(older.find("\"sigmaH2\": 880"), 14, "\"sigmaH2\": 393.547964039963");

    Session page(",");
    const Reply reply = page.open("1.1.gear", older);
    ASSERT_FALSE(reply.refused()) << reply.message;
    EXPECT_EQ(reply.messageKind, MessageKind::Notice);
    EXPECT_NE(reply.message.find("sigmaH2 393,548 → 880"), std::string::npos) << reply.message;
    EXPECT_FALSE(opened(reply).empty()) << "the screens stand before the notice is read";
    EXPECT_TRUE(page.modified()) << "the file holds the old results";
    EXPECT_EQ(save(page).text, save(worked).text);
    EXPECT_FALSE(page.modified());
}

} // namespace
} // namespace gear
