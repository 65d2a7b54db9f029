// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/calculation_file.h"
#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "screens/walkthrough_text.h"
#include "shell/message.h"
#include "shell/parameters.h"
#include "strength/transmission_design.h"

#include "design_states.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

namespace gear {
namespace {

// The sentences the core composes, as the command line, the web page and
// the files say them: the desktop's translation must not change a byte of
// them.
struct Composed {
    const char* name;
    std::function<Message()> say;
    const char* russian;
};

void PrintTo(const Composed& composed, std::ostream* out)
{
    *out << composed.name;
}

class ComposedRussian : public testing::TestWithParam<Composed> {};

TEST_P(ComposedRussian, IsTheSentenceItAlwaysWas)
{
    EXPECT_EQ(GetParam().say().text(), GetParam().russian);
}

Message lastDecision(const CalcState& s, Mode mode)
{
    return s.walkthrough.of(mode)->back().steps.front().decision;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ComposedRussian,
    testing::Values(
        Composed{"ShaftThickerThanTheRootCircle",
                 [] {
                     CalcState s = startUpState();
                     chooseWheelMode(s);
                     enterWheel(s, {"40", "", "30", "84", "20", "40"});
                     return chooseModule(s, "0.5", "").refusal;
                 },
                 "Вал dв = 30 мм не помещается в колесо с модулем 0.5 мм: диаметр вала должен быть меньше диаметра "
                 "впадин df = 18.75 мм."},
        Composed{"LoadFactorBelowOne",
                 [] {
                     CalcState s = startUpState();
                     auto texts = parameterTexts(s, ".");
                     texts[1] = "0.8";
                     return applyParameters(s, texts).refusal;
                 },
                 "Коэффициент kf не может быть меньше 1: коэффициент нагрузки, её неравномерности или динамики по "
                 "определению не меньше единицы."},
        Composed{"TeethOutOfRange",
                 [] {
                     CalcState s = hardenedPair(950, 950);
                     return designTransmission(s, {"8", "", "100", "4"}).refusal;
                 },
                 "Число зубьев шестерни Z1 должно быть целым, от 10 до 200: меньше 10 зубьев без смещения не "
                 "нарезать."},
        Composed{"SteelRowTaken",
                 [] {
                     CalcState s = hardenedPair(950, 950);
                     chooseFinalSteel(s, 21);
                     return lastDecision(s, Mode::Transmission);
                 },
                 "Сталь 18ХГТ, строка 21 таблицы сталей"},
        Composed{"FileOfANewerVersion",
                 [] { return openCalculation(R"({"format": "gearwheel-calculation", "version": 7})").refusal; },
                 "Файл записан более новой версией программы (version 7); эта версия читает файлы расчёта до "
                 "version 2."},
        Composed{
            "ScreenOfAnotherMode",
            [] {
                return openCalculation(
                           R"({"format": "gearwheel-calculation", "version": 1, "modes": {"wheel": {"screens": )"
                           R"([{"order": 1, "screen": "Vvod2", "Z1": "20", "beta": "", "T1": "100", "U": "4"}]}}})")
                    .refusal;
            },
            "Экран Vvod2 (modes.wheel.screens[0]) не входит в расчёт «Колесо»."},
        Composed{"ChoiceNamedOtherwise",
                 [] {
                     return openCalculation(
                                R"({"format": "gearwheel-calculation", "version": 1, "modes": {"check": {"screens": )"
                                R"([{"order": 1, "screen": "trebov2", "option": 2, "name": "Жёсткие"}]}}})")
                         .refusal;
                 },
                 "В поле modes.check.screens[0].name стоит «Жёсткие», а под номером 2 в таблице «Не жёсткие»."},
        Composed{"FileCutShort", [] { return openCalculation("{\n  \"format\": ").refusal; },
                 "Файл обрывается (строка 2): он записан не до конца или повреждён."}),
    [](const testing::TestParamInfo<Composed>& info) { return std::string(info.param.name); });

// A translation of a few texts, as the desktop's catalogue gives them;
// every other text comes back as it is.
Translator english(std::map<std::pair<std::string, std::string>, std::string> texts)
{
    return [texts = std::move(texts)](std::string_view context, std::string_view source) {
        const auto found = texts.find({std::string(context), std::string(source)});
        return found == texts.end() ? std::string(source) : found->second;
    };
}

TEST(Message, ATranslationOrdersTheSentenceAndTranslatesOnlyItsPhrases)
{
    const Translator translate = english({
        {{"file", "Экран %1 (%2) не входит в расчёт «%3»."}, "The “%3” calculation has no screen %1 (%2)."},
        {{"mode", "Колесо"}, "Wheel"},
        {{"file", "modes.wheel"}, "never"},
    });
    const Message message = GEAR_TR("file", "Экран %1 (%2) не входит в расчёт «%3».")
                                .arg("Vvod2")
                                .arg("modes.wheel")
                                .arg(Message("mode", "Колесо"));
    EXPECT_EQ(message.text(translate), "The “Wheel” calculation has no screen Vvod2 (modes.wheel).");
    EXPECT_EQ(message.text(), "Экран Vvod2 (modes.wheel) не входит в расчёт «Колесо».");
    EXPECT_EQ(message.text(english({})), message.text());
}

struct Filling {
    const char* pattern;
    std::vector<std::string> args;
    const char* text;
};

void PrintTo(const Filling& filling, std::ostream* out)
{
    *out << '"' << filling.pattern << '"';
}

class FillPlaceholders : public testing::TestWithParam<Filling> {};

TEST_P(FillPlaceholders, ReplacesEachNumberOnceInOnePass)
{
    EXPECT_EQ(fillPlaceholders(GetParam().pattern, GetParam().args), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FillPlaceholders,
                         testing::Values(Filling{"%2 до %1", {"a", "b"}, "b до a"},
                                         Filling{"%1 и %2", {"%2", "x"}, "%2 и x"}, Filling{"%1, %1", {"a"}, "a, a"},
                                         Filling{"%1 %3", {"a"}, "a %3"}, Filling{"100% и %0 %", {"a"}, "100% и %0 %"},
                                         Filling{"без чисел", {}, "без чисел"}));

TEST(Translator, ChangesTheWordsOfTablesAndWalkthroughButNotTheirNumbers)
{
    const Translator translate = english({
        {{"results", "Размеры колеса"}, "Wheel dimensions"},
        {{"sketch", "Диаметр вала dв,мм"}, "Shaft diameter ds, mm"},
        {{"symbol", "d_в"}, "d_s"},
        {{"formula", "ближайший нормальный размер к {d_в}"}, "nearest standard size to {d_в}"},
        {{"unit", "мм"}, "mm"},
        {{"mode", "Колесо"}, "Wheel"},
    });
    CalcState s = startUpState();
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "31", "105", "20", "40"}).refused());
    ASSERT_FALSE(chooseModule(s, "2.5", "").refused());

    const std::vector<ResultTable> russian = resultTables(s, ",");
    const std::vector<ResultTable> translated = resultTables(s, ",", translate);
    ASSERT_EQ(translated.size(), 1U);
    EXPECT_EQ(translated[0].title, "Wheel dimensions");
    EXPECT_EQ(translated[0].rows[3], (std::vector<std::string>{"Shaft diameter ds, mm", "32"}));
    for (size_t row = 0; row < russian[0].rows.size(); ++row)
        EXPECT_EQ(translated[0].rows[row][1], russian[0].rows[row][1]);

    const std::string walkthrough = modeWalkthroughText(s, Mode::Wheel, ".", translate);
    EXPECT_NE(walkthrough.find("    ds = nearest standard size to ds = nearest standard size to 31 = 32 mm\n"),
              std::string::npos)
        << walkthrough;
    EXPECT_EQ(walkthrough.rfind("Wheel\n", 0), 0U);
    EXPECT_EQ(modeWalkthroughText(s, Mode::Wheel, ".", english({})), modeWalkthroughText(s, Mode::Wheel, "."));

    // A translated formula that moved its symbols would show the numbers
    // under the wrong ones: the formula as written is shown instead.
    const Step step{"b_w2", "ближайший нормальный размер к {m}·{ψ_bm}", {2.5, 10}, 25, "мм", {}};
    const Translator moved = english({{{"formula", step.formula}, "{ψ_bm}·{m} rounded to a standard size"}});
    EXPECT_EQ(substitutedForm(step, ".", moved), "ближайший нормальный размер к 2.5·10");
}

TEST(Translator, LaysTheDrawingOutWithItsWordsAndKeepsTheSymbolsThatFindIt)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", "420", "20", "40"}).refused());
    ASSERT_FALSE(chooseModule(s, "10.0", "").refused());
    // A screen's sketch names its dimensions; a sheet writes the title
    // block's words in the language shown.
    DrawingTarget screen;
    screen.paper = false;
    screen.width = 200;
    screen.height = 150;
    screen.standardScale = true;
    const Drawing russian = *modeDrawing(s, Mode::Wheel, screen);
    const Translator translate = english({{{"symbol", "dв"}, "ds"},
                                          {{"symbol", "Dк"}, "Dr"},
                                          {{"drawing", "Колесо зубчатое"}, "Gear wheel with a much longer title"},
                                          {{"drawing", "Масштаб %1"}, "Scale %1"},
                                          {{"title block", "Масштаб"}, "Scale"}});
    screen.translate = translate;
    const Drawing english = *modeDrawing(s, Mode::Wheel, screen);
    DrawingTarget paper;
    paper.translate = translate;
    const Drawing sheet = *modeDrawing(s, Mode::Wheel, paper);

    ASSERT_NE(english.find("dв"), nullptr);
    EXPECT_EQ(english.find("dв")->text.content, "ds = 30");
    EXPECT_EQ(english.find("Dк")->text.content, "Dr = 325");
    EXPECT_EQ(russian.find("dв")->text.content, "dв = 30");
    bool scaled = false;
    for (const Text& t : english.texts)
        scaled = scaled || t.content == "Scale " + english.scaleText;
    bool titled = false;
    bool captioned = false;
    for (const Text& t : sheet.texts) {
        titled = titled || t.content == "Gear wheel with a much longer title";
        captioned = captioned || t.content == "Scale";
        // A long name is narrowed into its column, never widened.
        EXPECT_LE(t.width, textWidth(t.content, t.height) + 1e-9) << t.content;
    }
    EXPECT_TRUE(titled);
    EXPECT_TRUE(captioned);
    EXPECT_TRUE(scaled);
}

} // namespace
} // namespace gear
