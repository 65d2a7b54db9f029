// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/calculation_file.h"
#include "file/excerpt.h"
#include "geometry/results.h"
#include "geometry/standard_series.h"
#include "screens/walkthrough_text.h"
#include "shell/mode_commands.h"
#include "shell/parameters.h"
#include "strength/strength_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace gear {
namespace {

using Steps = std::vector<GivenStep>;

// The course's hardened design: "Цементация", "Сталь 18ХГТ", Z1 = 20, spur,
// T1 = 100 N·m, U = 4, module 2.5 taken, steel row 21 at the end.
const Steps kHardenedDesign{
    {Mode::Transmission, ScreenId::ATverd, {5, {}}},
    {Mode::Transmission, ScreenId::Czakalka2, {3, {}}},
    {Mode::Transmission, ScreenId::stal4, {1, {}}},
    {Mode::Transmission, ScreenId::Vvod2, {0, {"20", "", "100", "4.0"}}},
    {Mode::Transmission, ScreenId::Vibor, {0, {"2.5", ""}}},
    {Mode::Transmission, ScreenId::okon, {21, {}}},
};

const Steps kWheel{
    {Mode::Wheel, ScreenId::Vvod, {0, {"40", "", "30", "105", "20", "77"}}},
    {Mode::Wheel, ScreenId::Vibor, {0, {"2.5", ""}}},
};

const Steps kCheck{
    {Mode::Check, ScreenId::trebov2, {1, {}}},
    {Mode::Check, ScreenId::Czakalka2, {3, {}}},
    {Mode::Check, ScreenId::stal4, {1, {}}},
    {Mode::Check, ScreenId::Vvod3, {0, {"240", "60", "", "40"}}},
};

// The state a student's screens leave after these Oks.
CalcState worked(const Steps& steps)
{
    CalcState s = startUpState();
    for (const GivenStep& step : steps)
        runStep(s, step);
    return s;
}

Steps all(std::initializer_list<Steps> parts)
{
    Steps steps;
    for (const Steps& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

TEST(CalculationFile, KeepsWhatEachScreenWasGivenAndTheHandWorkedResults)
{
    const CalcState s = worked(all({kHardenedDesign, kWheel, kCheck}));
    const SavedCalculation saved = saveCalculation(s);
    EXPECT_TRUE(saved.recomputed.empty());
    const std::string& text = saved.text;
    for (const char* line :
         {"\"format\": \"gearwheel-calculation\"", "\"version\": 2", "\"screen\": \"Czakalka2\"", "\"option\": 3",
          "\"name\": \"Цементация\"", "\"grade\": \"Сталь 18ХГТ\"", "\"T1\": \"100\"", "\"U\": \"4.0\"",
          "\"beta\": \"\"", "\"row1\": \"2.5\"", "\"steel\": 21",
          // d1 = 2.5·20, d2 = 2.5·80, df1 = 50 − 2.5·2.5, aw = (50 + 200)/2.
          "\"d\": 50", "\"d2\": 200", "\"df\": 43.75", "\"aw\": 125", "\"bw1\": 25",
          // The wheel: d = 2.5·40; the check: 0.4·950·60·10·4³/(2·3.73·1.5)/1000.
          "\"d\": 100", "\"Tcalc\": 1304.02144772"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << '\n' << text;
    }
    EXPECT_EQ(text.find("defaults"), std::string::npos) << "the built-in set is not written";
    EXPECT_EQ(text.back(), '\n');
}

TEST(CalculationFile, OpensToTheSameStateResultsAndWalkthrough)
{
    const CalcState s = worked(all({kWheel, kHardenedDesign, kCheck}));
    const OpenedCalculation opened = openCalculation(saveCalculation(s).text);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    EXPECT_EQ(walkthroughText(opened.state, "."), walkthroughText(s, "."));
    for (size_t m = 0; m < kModeCount; ++m) {
        ASSERT_TRUE(opened.state.results[m].has_value()) << m;
        for (const NumberField& field : kNumberFields) {
            const Number a = s.results[m]->values.*field.field;
            const Number b = opened.state.results[m]->values.*field.field;
            EXPECT_EQ(a.isWritten(), b.isWritten()) << field.name;
            EXPECT_EQ(double(a), double(b)) << field.name;
        }
    }
    for (const NumberField& field : kNumberFields)
        EXPECT_EQ(double(s.*field.field), double(opened.state.*field.field)) << field.name;
    EXPECT_EQ(opened.state.mode, Mode::Check);
    EXPECT_EQ(opened.state.steelGrade, "Сталь 18ХГТ");
}

TEST(CalculationFile, KeepsOnlyTheCoefficientsThatDifferAndRunsWithThem)
{
    CalcState s = startUpState();
    std::array<std::string, kCoefficientCount> texts = parameterTexts(s, ".");
    texts[0] = "0.6"; // Psibd
    ASSERT_FALSE(applyParameters(s, texts).refused());
    for (const GivenStep& step : kHardenedDesign)
        runStep(s, step);
    const SavedCalculation saved = saveCalculation(s);
    EXPECT_TRUE(saved.recomputed.empty());
    EXPECT_NE(saved.text.find("\"defaults\": {\n    \"Psibd\": 0.6\n  }"), std::string::npos) << saved.text;
    const OpenedCalculation opened = openCalculation(saved.text);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    EXPECT_EQ(opened.state.defaults.Psibd, 0.6);
    // ψbm = 0.6·20, bw = 2.5·12.
    EXPECT_EQ(double(opened.state.results[0]->values.bw), 30.0);
}

TEST(CalculationFile, ResultsGoWithTheChainThatComputedThem)
{
    CalcState s = worked(kHardenedDesign);
    ASSERT_TRUE(s.results[0].has_value());
    runStep(s, kHardenedDesign[0]); // the design started again
    EXPECT_FALSE(s.results[0].has_value()) << "no walkthrough backs them now";
    for (size_t i = 1; i < kHardenedDesign.size(); ++i)
        runStep(s, kHardenedDesign[i]);
    ASSERT_TRUE(s.results[0].has_value());
    runStep(s, {Mode::Transmission, ScreenId::Vibor, {0, {"", ""}}}); // nothing taken
    EXPECT_FALSE(s.results[0].has_value());
    // A rerun of the last screen alone keeps them.
    s = worked(kHardenedDesign);
    runStep(s, {Mode::Transmission, ScreenId::okon, {22, {}}});
    ASSERT_TRUE(s.results[0].has_value());
    EXPECT_EQ(s.results[0]->steelGrade, "Сталь 12ХН3А");
}

TEST(CalculationFile, ScreensPressedOutOfOrderAreSavedAsTheirInputsGiveThem)
{
    // Parameters changed after the design: its results came from the old set.
    CalcState s = worked(kHardenedDesign);
    std::array<std::string, kCoefficientCount> texts = parameterTexts(s, ".");
    texts[0] = "0.6";
    ASSERT_FALSE(applyParameters(s, texts).refused());
    const SavedCalculation saved = saveCalculation(s);
    ASSERT_EQ(saved.recomputed, std::vector<Mode>{Mode::Transmission});
    const OpenedCalculation opened = openCalculation(saved.text);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    EXPECT_EQ(double(opened.state.results[0]->values.bw), 30.0);
    EXPECT_EQ(saveCalculation(opened.state).text, saved.text);
}

// A random session of Oks on any screen, in any mode, with texts a student
// might type, the coefficients changed now and then.
CalcState randomSession(unsigned seed, bool inOrder)
{
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<std::string> texts{"",   "20",  "0",  "-5",  "abc", "2.5", "4,5", "1e400", "100",  "12",
                                         "40", "105", "30", "4.0", "1.5", "700", " 3 ", "16.0",  "2.25", "89.9"};
    CalcState s = startUpState();
    if (inOrder) {
        // Whole chains with usable inputs, one mode after another.
        for (int pass = 0; pass < 4; ++pass) {
            const int mode = pick(3);
            if (mode == 0) {
                const int row = 1 + pick(7);
                const Outcome treated = runStep(s, {Mode::Transmission, ScreenId::ATverd, {row, {}}});
                const int option = 1 + pick(*treated.next == ScreenId::BNormal2 ? 2 : 5);
                const Outcome steel = runStep(s, {Mode::Transmission, *treated.next, {option, {}}});
                if (steel.next && *steel.next != ScreenId::Vvod2)
                    runStep(s, {Mode::Transmission, *steel.next, {1, {}}});
                runStep(s, {Mode::Transmission,
                            ScreenId::Vvod2,
                            {0,
                             {std::to_string(17 + pick(30)), pick(2) ? "" : "12", std::to_string(50 + pick(500)),
                              std::string(kGearRatios[1 + static_cast<size_t>(pick(21))])}}});
                runStep(s, {Mode::Transmission,
                            ScreenId::Vibor,
                            {0, {std::string(kModuleRow1[1 + static_cast<size_t>(pick(7))]), ""}}});
                runStep(s, {Mode::Transmission, ScreenId::okon, {pick(30), {}}});
            } else if (mode == 1) {
                runStep(s, {Mode::Wheel,
                            ScreenId::Vvod,
                            {0,
                             {std::to_string(20 + pick(100)), "", std::to_string(20 + pick(60)),
                              std::to_string(100 + pick(900)), "30", "40"}}});
                runStep(s, {Mode::Wheel,
                            ScreenId::Vibor,
                            {0, {"", std::string(kModuleRow2[1 + static_cast<size_t>(pick(5))])}}});
            } else {
                const int requirement = 1 + pick(2);
                const Outcome treated = runStep(s, {Mode::Check, ScreenId::trebov2, {requirement, {}}});
                const Outcome steel =
                    runStep(s, {Mode::Check, *treated.next, {1 + pick(requirement == 1 ? 5 : 2), {}}});
                if (steel.next && *steel.next != ScreenId::Vvod3)
                    runStep(s, {Mode::Check, *steel.next, {1, {}}});
                runStep(s, {Mode::Check, ScreenId::Vvod3, {0, {"240", std::to_string(20 + pick(60)), "", "40"}}});
            }
        }
        return s;
    }
    const std::vector<ScreenId> screens{ScreenId::ATverd, ScreenId::trebov2, ScreenId::BNormal2, ScreenId::Czakalka2,
                                        ScreenId::stal1,  ScreenId::stal2,   ScreenId::stal3,    ScreenId::stal4,
                                        ScreenId::stal5,  ScreenId::Vvod2,   ScreenId::Vibor,    ScreenId::okon,
                                        ScreenId::Vvod,   ScreenId::Vvod3};
    for (int event = 0; event < 60; ++event) {
        const int what = pick(20);
        if (what == 0) {
            std::array<std::string, kCoefficientCount> coefficients = parameterTexts(s, ".");
            coefficients[static_cast<size_t>(pick(kCoefficientCount))] = pick(2) ? "0.7" : "1.3";
            applyParameters(s, coefficients);
        } else if (what < 4) {
            const int mode = pick(3);
            mode == 0 ? chooseTransmissionMode(s) : mode == 1 ? chooseWheelMode(s) : chooseCheckMode(s);
        } else if (s.mode) {
            GivenInputs given{pick(10) - 1, {}};
            for (int t = 0; t < 6; ++t)
                given.texts.push_back(texts[static_cast<size_t>(pick(static_cast<int>(texts.size())))]);
            runStep(s, {*s.mode, screens[static_cast<size_t>(pick(static_cast<int>(screens.size())))], given});
        }
    }
    return s;
}

std::string seedName(const testing::TestParamInfo<unsigned>& info)
{
    return "Seed" + std::to_string(info.param);
}

class RandomCalculation : public testing::TestWithParam<unsigned> {};

TEST_P(RandomCalculation, SavedOpensAndSavesToTheSameBytes)
{
    const CalcState s = randomSession(GetParam(), false);
    const SavedCalculation saved = saveCalculation(s);
    const OpenedCalculation opened = openCalculation(saved.text);
    ASSERT_FALSE(opened.refused()) << opened.refusal << '\n' << saved.text;
    const SavedCalculation again = saveCalculation(opened.state);
    EXPECT_EQ(again.text, saved.text);
    EXPECT_TRUE(again.recomputed.empty());
    EXPECT_EQ(calculationText(calculationOf(opened.state)), saved.text);
}

TEST_P(RandomCalculation, ChainsRunInOrderComeBackExactly)
{
    const CalcState s = randomSession(GetParam(), true);
    const SavedCalculation saved = saveCalculation(s);
    EXPECT_TRUE(saved.recomputed.empty()) << saved.text;
    const OpenedCalculation opened = openCalculation(saved.text);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    EXPECT_EQ(walkthroughText(opened.state, "."), walkthroughText(s, "."));
    for (size_t m = 0; m < kModeCount; ++m) {
        ASSERT_EQ(opened.state.results[m].has_value(), s.results[m].has_value()) << m;
        if (!s.results[m])
            continue;
        // What another mode's pass left in the shared fields is no result of
        // this one, and an earlier pass that was started again is not run.
        for (const std::string_view name : resultFields(static_cast<Mode>(m))) {
            const auto field = std::find_if(kNumberFields.begin(), kNumberFields.end(),
                                            [&](const NumberField& f) { return f.name == name; });
            EXPECT_EQ(double(opened.state.results[m]->values.*field->field), double(s.results[m]->values.*field->field))
                << m << ' ' << name;
        }
    }
    const std::vector<ResultTable> tables = resultTables(s, ".");
    const std::vector<ResultTable> reopened = resultTables(opened.state, ".");
    ASSERT_EQ(reopened.size(), tables.size());
    for (size_t i = 0; i < tables.size(); ++i) {
        EXPECT_EQ(reopened[i].title, tables[i].title);
        EXPECT_EQ(reopened[i].rows, tables[i].rows);
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, RandomCalculation, testing::Range(1u, 41u), seedName);

// --- Files that must be refused, each with what it says ---------------------

const std::string& validText()
{
    static const std::string text = saveCalculation(worked(all({kHardenedDesign, kWheel}))).text;
    return text;
}

std::string replaced(const std::string& what, const std::string& with)
{
    std::string text = validText();
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

// The files of a megabyte are made when their test runs, not when the
// cases are listed: every test program that lists them would pay for them.
struct BrokenFile {
    const char* name;
    std::string text;
    std::string message;
    std::string (*make)() = nullptr;
};

std::string repeated(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// A file of nothing but `count` different unknown keys after its format and
// version: a reader that looks each key up among those before it takes the
// square of their number.
std::string keyFlood(int count)
{
    std::string text = "{\"format\": \"gearwheel-calculation\", \"version\": 1";
    for (int i = 0; i < count; ++i)
        text += ",\"k" + std::to_string(i) + "\":0";
    return text + "}";
}

std::vector<BrokenFile> brokenFiles()
{
    return {
        {"Empty", "", "Файл пуст: в нём нет расчёта."},
        {"NotJson", "Расчёт: m = 2.5\n", "Файл не читается как JSON: ошибка в тексте (строка 1, знак 1)."},
        {"Truncated", validText().substr(0, validText().size() / 2),
         "Файл обрывается (строка " +
             std::to_string(1 + std::count(validText().begin(),
                                           validText().begin() + static_cast<long>(validText().size() / 2) - 1, '\n')) +
             "): он записан не до конца или повреждён."},
        {"MoreThanAMebibyte", std::string(kMaxCalculationFileSize + 1, ' '),
         "Файл больше 1 МиБ: расчёт столько не занимает, это не файл расчёта."},
        {"AList", "[1, 2]", "Это не файл расчёта: в нём нет полей format и version."},
        {"AnotherFormat", replaced("gearwheel-calculation", "gearbox"),
         "Это не файл расчёта зубчатого колеса: в поле format должно стоять «gearwheel-calculation»."},
        {"NewerVersion", replaced("\"version\": 2", "\"version\": 3"),
         "Файл записан более новой версией программы (version 3); эта версия читает файлы расчёта до version 2."},
        {"VersionAsText", replaced("\"version\": 2", "\"version\": \"2\""), "Поле version должно быть целым числом."},
        {"UnknownField", replaced("\"version\": 2", "\"version\": 2, \"author\": \"\""), "Неизвестное поле author."},
        {"NoModes", "{\"format\": \"gearwheel-calculation\", \"version\": 1}", "В файле нет поля modes."},
        {"UnknownMode", replaced("\"wheel\":", "\"worm\":"),
         "Неизвестный расчёт modes.worm: бывают transmission, wheel и check."},
        {"UnknownScreen", replaced("\"Vvod2\"", "\"Vvod9\""),
         "Экран «Vvod9» в поле modes.transmission.screens[3].screen не входит ни в один расчёт."},
        {"ScreenOfAnotherMode", replaced("\"Vvod2\"", "\"Vvod3\""),
         "Экран Vvod3 (modes.transmission.screens[3]) не входит в расчёт «Передача»."},
        {"NumberForText", replaced("\"T1\": \"100\"", "\"T1\": 100"),
         "Поле modes.transmission.screens[3].T1 должно быть строкой."},
        {"TextForNumber", replaced("\"row\": 5", "\"row\": \"5\""),
         "Поле modes.transmission.screens[0].row должно быть целым числом."},
        {"RowNotInTheTable", replaced("\"row\": 5", "\"row\": 9"),
         "В поле modes.transmission.screens[0].row стоит 9, а на экране ATverd можно выбрать от 1 до 7."},
        {"SteelNotInTheTable", replaced("\"steel\": 21", "\"steel\": 30"),
         "В поле modes.transmission.screens[5].steel стоит 30, а на экране okon можно выбрать от 0 до 29."},
        {"SteelNamedWrongly",
         replaced("\"steel\": 21,\n          \"grade\": \"Сталь 18ХГТ\"",
                  "\"steel\": 21,\n          \"grade\": \"Сталь 45\""),
         "В поле modes.transmission.screens[5].grade стоит «Сталь 45», а под номером 21 в таблице «Сталь 18ХГТ»."},
        {"HugeNumber", replaced("\"row\": 5", "\"row\": 18446744073709551615"),
         "Число в поле modes.transmission.screens[0].row слишком велико."},
        {"NumberBeyondDouble", replaced("\"aw\": 125", "\"aw\": 1e999"),
         "Число «1e999» в файле (строка " +
             std::to_string(1 + std::count(validText().begin(),
                                           validText().begin() + static_cast<long>(validText().find("\"aw\": 125")),
                                           '\n')) +
             ", знак 15) слишком велико."},
        {"MissingText", replaced("\"T1\": \"100\",", ""), "В файле нет поля modes.transmission.screens[3].T1."},
        {"ScreenTwice",
         replaced("\"screen\": \"stal4\",\n          \"option\": 1,\n          \"grade\": \"Сталь 18ХГТ\"",
                  "\"screen\": \"Czakalka2\",\n          \"option\": 3"),
         "Экран Czakalka2 встречается в расчёте дважды: modes.transmission.screens[1] и "
         "modes.transmission.screens[2]."},
        {"ChainStartedMidway",
         replaced("\"screen\": \"okon\",\n          \"steel\": 21,\n          \"grade\": \"Сталь 18ХГТ\"",
                  "\"screen\": \"ATverd\",\n          \"row\": 5"),
         "Экран ATverd (modes.transmission.screens[5]) начинает расчёт и может стоять только первым."},
        {"SameOrderTwice", replaced("\"order\": 7", "\"order\": 6"),
         "Поле order одинаково у modes.transmission.screens[5] и modes.wheel.screens[0]."},
        {"ResultChangedByHand", replaced("\"aw\": 125", "\"aw\": 126"),
         "Результат modes.transmission.results.aw в файле (126) не совпадает с пересчитанным (125): файл изменён "
         "вручную или записан другой версией расчёта."},
        {"ResultsTakenAway", replaced("\"steelGrade\": \"Сталь 18ХГТ\"", "\"steelGrade\": \"\""),
         "Результат modes.transmission.results.steelGrade в файле («») не совпадает с пересчитанным («Сталь 18ХГТ»)."},
        {"NegativeCoefficient", replaced("\"version\": 2,", "\"version\": 2, \"defaults\": {\"kfa\": -1},"),
         "Коэффициент defaults.kfa должен быть положительным числом."},
        {"UnknownCoefficient", replaced("\"version\": 2,", "\"version\": 2, \"defaults\": {\"kq\": 1},"),
         "Неизвестный коэффициент defaults.kq."},
        {"TextTooLong", replaced("\"T1\": \"100\"", "\"T1\": \"" + std::string(32768, '1') + "\""),
         "Текст в поле modes.transmission.screens[3].T1 длиннее 32767 знаков."},
        {"NotUtf8", replaced("\"T1\": \"100\"", "\"T1\": \"\xff\""),
         "Файл не читается как JSON: ошибка в тексте (строка " +
             std::to_string(1 + std::count(validText().begin(),
                                           validText().begin() + static_cast<long>(validText().find("\"T1\"")), '\n')) +
             ", знак 18)."},
        {"AnOkThatDoesNotRunSo", replaced("\"option\": 1,\n          \"grade\": \"Сталь 18ХГТ\"", "\"option\": 0"),
         "Экран stal4 расчёта «Передача» при данных файла не выполняется так, как записано: файл изменён или "
         "повреждён."},
        {"RepeatedKey", replaced("\"version\": 2,", "\"version\": 2, \"version\": 2,"),
         "Поле version стоит в файле дважды: неясно, какое из значений верно."},
        {"RepeatedKeyDeepInside", replaced("\"row\": 5", "\"row\": 5, \"row\": 6"),
         "Поле modes.transmission.screens[0].row стоит в файле дважды: неясно, какое из значений верно."},
        {"NestedTooDeep", "", "Объекты и списки в файле вложены глубже 64 уровней: это не файл расчёта.",
         [] { return std::string(400000, '[') + std::string(400000, ']'); }},
        {"FloodOfKeys", "",
         "В файле больше 10000 значений (чисел, строк, объектов и списков): в файле расчёта их в десятки раз меньше.",
         [] { return keyFlood(90000); }},
        {"FloodOfNumbers", "",
         "В файле больше 10000 значений (чисел, строк, объектов и списков): в файле расчёта их в десятки раз меньше.",
         [] { return "[0" + repeated(",0", 500000) + "]"; }},
        // What the file says is quoted, 60 characters at most.
        {"LongScreenName", "",
         "Экран «" + std::string(60, 'V') +
             "…» в поле modes.transmission.screens[3].screen не входит ни в один "
             "расчёт.",
         [] { return replaced("\"Vvod2\"", "\"" + std::string(900000, 'V') + "\""); }},
        {"LongKeyThatSteersATerminal",
         replaced("\"version\": 2,", "\"version\": 2, \"\\u001b[2J\\n" + std::string(200, 'k') + "\": 0,"),
         "Неизвестное поле ␛[2J␊" + std::string(55, 'k') + "…."},
        {"LongNumber", replaced("\"aw\": 125", "\"aw\": 1" + std::string(400, '0')),
         "Число «1" + std::string(59, '0') + "…» в файле (строка " +
             std::to_string(1 + std::count(validText().begin(),
                                           validText().begin() + static_cast<long>(validText().find("\"aw\": 125")),
                                           '\n')) +
             ", знак 15) слишком велико."},
        {"SelfCheckToleranceZero", replaced("\"version\": 2,", "\"version\": 2, \"selfCheck\": {\"tolerance\": 0},"),
         "Допуск selfCheck.tolerance должен быть больше 0 и не больше 10 %."},
        {"SelfCheckOfAnUnknownMode",
         replaced("\"version\": 2,", "\"version\": 2, \"selfCheck\": {\"values\": [{\"mode\": \"worm\", "
                                     "\"symbol\": \"m\", \"text\": \"2\"}]},"),
         "Неизвестный расчёт selfCheck.values[0].mode: бывают transmission, wheel и check."},
        {"SelfCheckValueAsNumber",
         replaced("\"version\": 2,", "\"version\": 2, \"selfCheck\": {\"values\": [{\"mode\": \"wheel\", "
                                     "\"symbol\": \"m\", \"text\": 2}]},"),
         "Поле selfCheck.values[0].text должно быть строкой."},
        {"SelfCheckLineTwice",
         replaced("\"version\": 2,", "\"version\": 2, \"selfCheck\": {\"values\": [{\"mode\": \"wheel\", "
                                     "\"symbol\": \"m\", \"text\": \"2\"}, {\"mode\": \"wheel\", "
                                     "\"symbol\": \"m\", \"line\": 1, \"text\": \"3\"}]},"),
         "Строка selfCheck.values[1] хода расчёта стоит в selfCheck.values дважды."},
        {"VariantAsNumber", replaced("\"version\": 2,", "\"version\": 2, \"variant\": 7,"),
         "Поле variant должно быть строкой."},
        {"ResultsOfAChainThatEndsEarly",
         replaced("\"screen\": \"Vibor\",\n          \"row1\": \"2.5\"",
                  "\"screen\": \"Vibor\",\n          \"row1\": \"\""),
         "В файле есть результаты расчёта «Передача» (modes.transmission.results), но его экраны не доводят расчёт "
         "до результатов."},
    };
}

TEST(CalculationFile, KeepsTheVariantAndTheStudentsOwnValues)
{
    CalcState state = worked(all({kHardenedDesign, kWheel}));
    state.selfCheck.variant = "7";
    state.selfCheck.tolerance = 1;
    state.selfCheck.type({Mode::Transmission, "σ_H1", 1}, "803,3");
    state.selfCheck.type({Mode::Wheel, "m", 2}, "2.5");
    const std::string text = saveCalculation(state).text;
    const OpenedCalculation opened = openCalculation(text);
    ASSERT_FALSE(opened.refused()) << opened.refusal.text();
    EXPECT_EQ(opened.state.selfCheck, state.selfCheck);
    EXPECT_EQ(saveCalculation(opened.state).text, text);
    // Work without them writes neither member, as before.
    EXPECT_EQ(validText().find("selfCheck"), std::string::npos);
    EXPECT_EQ(validText().find("variant"), std::string::npos);
    EXPECT_TRUE(openCalculation(replaced("\"aw\": 125", "\"aw\": 126")).resultsDiffer);
    EXPECT_FALSE(openCalculation(replaced("\"row\": 5", "\"row\": 9")).resultsDiffer);
}

class BrokenCalculationFile : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenCalculationFile, IsRefusedWithWhatIsWrongAndWhere)
{
    const BrokenFile& file = GetParam();
    const OpenedCalculation opened = openCalculation(file.make ? file.make() : file.text);
    const std::string refusal = opened.refusal.text();
    EXPECT_EQ(refusal, file.message);
    EXPECT_TRUE(std::none_of(refusal.begin(), refusal.end(), [](char c) { return c >= 0 && c < ' '; }))
        << "one line, nothing a terminal obeys";
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenCalculationFile, testing::ValuesIn(brokenFiles()),
                         [](const testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

// Where an opened file leaves the student: the screens its last Ok leaves
// open, as they stood when the work was saved.
struct ReopenCase {
    const char* name;
    Steps steps;
    std::vector<ScreenId> open;
};

class Reopen : public testing::TestWithParam<ReopenCase> {};

TEST_P(Reopen, ShowsTheScreensTheLastOkLeftOpen)
{
    const ReopenCase& c = GetParam();
    Calculation calculation;
    calculation.steps = c.steps;
    CalcState state = startUpState();
    std::vector<ScreenId> seen;
    const std::vector<ScreenId> open =
        reopen(state, calculation, [&](const GivenStep& step, const Outcome&) { seen.push_back(step.screen); });
    const auto names = [](const std::vector<ScreenId>& ids) {
        std::string text;
        for (const ScreenId id : ids)
            text += std::string(screenName(id)) + ' ';
        return text;
    };
    EXPECT_EQ(names(open), names(c.open));
    ASSERT_EQ(seen.size(), c.steps.size());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], c.steps[i].screen) << i;
}

INSTANTIATE_TEST_SUITE_P(
    LastOks, Reopen,
    testing::Values(ReopenCase{"nothing_done", {}, {}},
                    ReopenCase{"the_hardness_taken", {kHardenedDesign[0]}, {ScreenId::Czakalka2}},
                    ReopenCase{"the_design_through_the_final_steel", kHardenedDesign, {ScreenId::okonchanie}},
                    ReopenCase{"a_refused_design_stays_on_its_screen",
                               {kHardenedDesign[0],
                                kHardenedDesign[1],
                                kHardenedDesign[2],
                                {Mode::Transmission, ScreenId::Vvod2, {0, {"0", "", "100", "4"}}}},
                               {ScreenId::Vvod2}},
                    ReopenCase{"a_wheel_sized", kWheel, {ScreenId::vivod1}},
                    // The check's input stays open beside its result.
                    ReopenCase{"a_check_computed", kCheck, {ScreenId::Vvod3, ScreenId::result}},
                    ReopenCase{"a_check_after_a_wheel", all({kWheel, kCheck}), {ScreenId::Vvod3, ScreenId::result}}),
    [](const testing::TestParamInfo<ReopenCase>& info) { return std::string(info.param.name); });

struct ExcerptCase {
    const char* name;
    std::string text;
    std::string shown;
};

class Excerpt : public testing::TestWithParam<ExcerptCase> {};

TEST_P(Excerpt, QuotesSixtyCharactersAtMostOnOneReadableLine)
{
    EXPECT_EQ(excerpt(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Excerpt,
    testing::Values(ExcerptCase{"Short", "Vvod9", "Vvod9"},
                    ExcerptCase{"Sixty", std::string(60, 'x'), std::string(60, 'x')},
                    ExcerptCase{"SixtyOne", std::string(61, 'x'), std::string(60, 'x') + "…"},
                    // Characters, not bytes.
                    ExcerptCase{"Cyrillic", "Ж" + std::string(60, 'x'), "Ж" + std::string(59, 'x') + "…"},
                    ExcerptCase{"Controls", std::string("a\0b\n\x1b\x7f", 6), "a␀b␊␛␡"},
                    ExcerptCase{"NotUtf8", "\xff\xc3(\xe2\x82", "��(��"}, ExcerptCase{"Overlong", "\xc0\xaf", "��"},
                    ExcerptCase{"Surrogate", "\xed\xa0\x80", "���"},
                    ExcerptCase{"Reordering", "abc\u202Edef", "abc�def"}),
    [](const testing::TestParamInfo<ExcerptCase>& info) { return std::string(info.param.name); });

// --- Files of an older version ----------------------------------------------

// The file of a calculation as version 1 wrote it: the same inputs, with
// the results 1.1 gave for some of them.
std::string asVersionOne(std::string text, const std::vector<std::pair<std::string, std::string>>& older)
{
    text = std::regex_replace(text, std::regex("\"version\": 2"), "\"version\": 1");
    for (const auto& [field, value] : older)
        text = std::regex_replace(text, std::regex("\"" + field + "\": [-+.0-9e]+"), "\"" + field + "\": " + value);
    return text;
}

const Steps kSoftDesign{
    {Mode::Transmission, ScreenId::ATverd, {1, {}}},
    {Mode::Transmission, ScreenId::BNormal2, {2, {}}},
    {Mode::Transmission, ScreenId::stal2, {1, {}}},
    {Mode::Transmission, ScreenId::Vvod2, {0, {"17", "", "100", "3.15"}}},
    {Mode::Transmission, ScreenId::Vibor, {0, {"6.0", ""}}},
};

TEST(OlderFile, OpensNamesEachChangedResultOldAndNewAndSavesTheNewOnes)
{
    const std::string now = saveCalculation(worked(all({kSoftDesign, kCheck}))).text;
    // What 1.1 computed for these inputs: 53.55 wheel teeth, the wheel's
    // contact stress √U below the pinion's, the check's load without the
    // design's factors.
    const std::string file = asVersionOne(now, {{"Z2", "53.55"}, {"sigmaH2", "111.1"}, {"Tcalc", "18240"}});
    const OpenedCalculation opened = openCalculation(file);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    const std::string notice = noticeText(opened.notice);
    for (const char* said : {"version 1", "Z2 53.55 → 54", "sigmaH2 111.1 → ", "Tcalc 18240 → 1304.02",
                             "округляется до целого", "σH2 = σH1", "обратная задача"})
        EXPECT_NE(notice.find(said), std::string::npos) << said << '\n' << notice;
    EXPECT_TRUE(std::regex_search(notice, std::regex("«Передача»: Z2 53.55 → 54; sigmaH2 111.1 → [0-9.]+\\.\n")))
        << "an unchanged result is not named\n"
        << notice;
    const SavedCalculation saved = saveCalculation(opened.state);
    EXPECT_EQ(saved.text, now);
    const OpenedCalculation again = openCalculation(saved.text);
    EXPECT_FALSE(again.refused()) << again.refusal;
    EXPECT_TRUE(again.notice.empty()) << "a file of this version has nothing to say";
}

TEST(OlderFile, WhoseInputsAreNowRefusedOpensWithWhatWasTypedAndSaysWhy)
{
    const Steps fewTeeth{
        {Mode::Transmission, ScreenId::ATverd, {5, {}}},
        {Mode::Transmission, ScreenId::Czakalka2, {3, {}}},
        {Mode::Transmission, ScreenId::stal4, {1, {}}},
        {Mode::Transmission, ScreenId::Vvod2, {0, {"8", "", "100", "4"}}},
        {Mode::Transmission, ScreenId::Vibor, {0, {"2.5", ""}}},
    };
    const std::string now = saveCalculation(worked(fewTeeth)).text;
    ASSERT_EQ(now.find("\"results\""), std::string::npos) << "no results today";
    std::string then = now;
    then.replace(then.find("\"version\": 2"), 12, "\"version\": 1");
    then.insert(then.rfind("]") + 1, ",\n      \"results\": {\"m\": 2.5, \"Z1\": 8, \"steelGrade\": \"\"}");
    const OpenedCalculation opened = openCalculation(then);
    ASSERT_FALSE(opened.refused()) << opened.refusal << '\n' << then;
    const std::string notice = noticeText(opened.notice);
    EXPECT_NE(notice.find("результатов больше нет"), std::string::npos) << notice;
    EXPECT_NE(notice.find("Vvod2"), std::string::npos) << notice;
    EXPECT_NE(notice.find("от 10 до 200"), std::string::npos) << notice;
    EXPECT_EQ(calculationOf(opened.state).steps, fewTeeth) << "every typed text is kept";
}

// Version 1 left the load factors out where they were the set's 0.8; a file
// of it that gives them keeps them and hears nothing of the 0.8.
TEST(OlderFile, LoadFactorsTheFileGivesAreNotSaidToBeRaised)
{
    const char* raised = "равны 1, а не 0.8";
    for (const char* defaults :
         {"", "\"defaults\": {\"kfb\": 1.2}, ", "\"defaults\": {\"kfb\": 1.2, \"khb\": 1.1}, "}) {
        std::string text = asVersionOne(saveCalculation(worked(kSoftDesign)).text, {{"sigmaH2", "111.1"}});
        text.replace(text.find("\"version\": 1,"), 13, std::string("\"version\": 1, ") + defaults);
        const OpenedCalculation opened = openCalculation(text);
        ASSERT_FALSE(opened.refused()) << opened.refusal;
        const bool both = std::string(defaults).find("khb") != std::string::npos;
        EXPECT_EQ(noticeText(opened.notice).find(raised) == std::string::npos, both) << defaults;
    }
}

TEST(OlderFile, ALoadFactorBelowOneIsRaisedToOneAndSaid)
{
    for (const char* version : {"1", "2"}) {
        std::string text = saveCalculation(worked(kWheel)).text;
        text.replace(text.find("\"version\": 2,"), 13,
                     std::string("\"version\": ") + version + ", \"defaults\": {\"kfb\": 0.8, \"khb\": 1},");
        const OpenedCalculation opened = openCalculation(text);
        ASSERT_FALSE(opened.refused()) << opened.refusal;
        EXPECT_EQ(opened.state.defaults.kfb, 1);
        const std::string notice = noticeText(opened.notice);
        EXPECT_NE(notice.find("kfb в файле равен 0.8; принят 1"), std::string::npos) << notice;
        EXPECT_NE(notice.find("не может быть меньше 1"), std::string::npos) << notice;
    }
}

} // namespace
} // namespace gear
