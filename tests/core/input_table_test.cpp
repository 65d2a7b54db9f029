// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/calculation_file.h"
#include "file/input_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gear {
namespace {

using Steps = std::vector<GivenStep>;

// "Цементация" on both screens, "Сталь 18ХГТ", Z1 = 20, spur, T1 = 100 N·m,
// U = 4, module 2.5, steel row 22 at the end.
const Steps kHardenedDesign{
    {Mode::Transmission, ScreenId::ATverd, {5, {}}},
    {Mode::Transmission, ScreenId::Czakalka2, {3, {}}},
    {Mode::Transmission, ScreenId::stal4, {1, {}}},
    {Mode::Transmission, ScreenId::Vvod2, {0, {"20", "", "100", "4,0"}}},
    {Mode::Transmission, ScreenId::Vibor, {0, {"", "2.25"}}},
    {Mode::Transmission, ScreenId::okon, {22, {}}},
};
// Row 7 of the hardness table, nitrided: one steel, and no final steel taken.
const Steps kNitridedDesign{
    {Mode::Transmission, ScreenId::ATverd, {7, {}}},
    {Mode::Transmission, ScreenId::Czakalka2, {5, {}}},
    {Mode::Transmission, ScreenId::Vvod2, {0, {"25", "10", "250", "3.15"}}},
    {Mode::Transmission, ScreenId::Vibor, {0, {"3.0", ""}}},
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

CalcState worked(std::initializer_list<Steps> parts)
{
    CalcState s = startUpState();
    for (const Steps& part : parts) {
        for (const GivenStep& step : part)
            runStep(s, step);
    }
    return s;
}

// A row's value and unit, or nothing when the table has no such row.
struct Row {
    const char* caption;
    std::optional<std::vector<std::string>> cells; // value and unit
};

struct InputCase {
    const char* name;
    CalcState state;
    Mode mode;
    std::vector<Row> rows;
};

void PrintTo(const InputCase& c, std::ostream* out)
{
    *out << c.name;
}

using Cells = std::vector<std::string>;

std::vector<InputCase> inputCases()
{
    return {
        // The hardness is the middle of row 5, 56–63 HRC; 18ХГТ carburised
        // gives σH = 17·HRC + 200 and σF = 950 (the course's table of
        // limits, after ГОСТ 21354-87); the final steel is row 22.
        {"HardenedDesign",
         worked({kHardenedDesign}),
         Mode::Transmission,
         {{"Строка таблицы рекомендуемой твёрдости", Cells{"5", ""}},
          {"Твёрдость зубьев H1", Cells{"59.5", "HRC"}},
          {"Твёрдость зубьев H2", Cells{"59.5", "HRC"}},
          {"Способ обработки", Cells{"Цементация", ""}},
          {"Марка стали", Cells{"Сталь 18ХГТ", ""}},
          {"Предел контактной выносливости σH1", Cells{"1211.5", "МПа"}},
          {"Предел выносливости при изгибе σF2", Cells{"950", "МПа"}},
          {"Число зубьев шестерни Z1", Cells{"20", ""}},
          {"Угол наклона зубьев β", Cells{"—", "град"}},
          {"Вращающий момент на валу шестерни T1", Cells{"100", "Н·м"}},
          {"Передаточное отношение U", Cells{"4", ""}},
          {"Стандартный модуль m", Cells{"2.25", "мм"}},
          {"Сталь окончательного выбора", Cells{"Сталь 12ХН3А", ""}}}},
        // Nitriding: 30Х2МЮА with σH = 1050 and σF = 1.2·HRC + 300, H = 55.
        {"NitridedDesignWithoutAFinalSteel",
         worked({kNitridedDesign}),
         Mode::Transmission,
         {{"Способ обработки", Cells{"Азотирование", ""}},
          {"Предел контактной выносливости σH1 = σH2", Cells{"1050", "МПа"}},
          {"Предел выносливости при изгибе σF1", Cells{"366", "МПа"}},
          {"Угол наклона зубьев β", Cells{"10", "град"}},
          {"Марка стали", std::nullopt},
          {"Сталь окончательного выбора", std::nullopt}}},
        // The check's own wheel, not the one the wheel mode left in the
        // shared fields before it.
        {"CheckAfterAWheel",
         worked({kWheel, kCheck}),
         Mode::Check,
         {{"Требования к изготовлению", Cells{"Жёсткие", ""}},
          {"Способ обработки", Cells{"Цементация", ""}},
          // The check takes the middle of carburising's 57–63 HRC.
          {"Твёрдость зубьев H1 = H2", Cells{"60", "HRC"}},
          {"Марка стали", Cells{"Сталь 18ХГТ", ""}},
          {"Предел выносливости при изгибе σF1", Cells{"950", "МПа"}},
          {"Делительный диаметр d", Cells{"240", "мм"}},
          {"Число зубьев z", Cells{"60", ""}},
          {"Угол наклона зубьев β", Cells{"—", "град"}},
          {"Ширина зубчатого венца b", Cells{"40", "мм"}}}},
        {"WheelAfterADesignAndACheck",
         worked({kHardenedDesign, kCheck, kWheel}),
         Mode::Wheel,
         {{"Число зубьев z", Cells{"40", ""}},
          {"Диаметр вала dв", Cells{"30", "мм"}},
          {"Диаметр выступов da", Cells{"105", "мм"}},
          {"Ширина зубчатого венца bw", Cells{"20", "мм"}},
          {"Длина ступицы Lст", Cells{"77", "мм"}},
          {"Стандартный модуль m", Cells{"2.5", "мм"}},
          {"Марка стали", std::nullopt},
          {"Число зубьев шестерни Z1", std::nullopt}}},
    };
}

class InputTable : public testing::TestWithParam<InputCase> {};

TEST_P(InputTable, ShowsWhatTheModesOwnChainWasGiven)
{
    const InputCase& c = GetParam();
    const ResultTable table = inputTable(c.state, c.mode, ".");
    for (const std::vector<std::string>& row : table.rows)
        ASSERT_EQ(row.size(), 3U) << row.front();
    for (const Row& expected : c.rows) {
        const auto found = std::find_if(table.rows.begin(), table.rows.end(), [&](const std::vector<std::string>& row) {
            return row[0] == expected.caption;
        });
        if (!expected.cells) {
            EXPECT_EQ(found, table.rows.end()) << expected.caption;
            continue;
        }
        ASSERT_NE(found, table.rows.end()) << expected.caption;
        EXPECT_EQ((Cells{(*found)[1], (*found)[2]}), *expected.cells) << expected.caption;
    }
}

INSTANTIATE_TEST_SUITE_P(Chains, InputTable, testing::ValuesIn(inputCases()),
                         [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(InputTable, EachModesInputsStandBeforeItsResultsAndAFileGivesTheSame)
{
    const CalcState s = worked({kWheel, kCheck, kHardenedDesign});
    const std::vector<ResultTable> tables = reportTables(s, ",");
    std::vector<std::string> titles;
    for (const ResultTable& table : tables)
        titles.push_back(table.title);
    // The checks of the pair follow its results.
    EXPECT_EQ(titles, (std::vector<std::string>{"Исходные данные передачи", "Результаты расчёта передачи",
                                                "Проверка условий прочности", "Геометрия, скорость и силы в зацеплении",
                                                "Исходные данные колеса", "Размеры колеса", "Исходные данные проверки",
                                                "Результат проверки"}));
    EXPECT_EQ(tables[0].rows[1][1], "59,5") << "the separator asked for";

    const OpenedCalculation opened = openCalculation(saveCalculation(s).text);
    ASSERT_FALSE(opened.refused()) << opened.refusal;
    const std::vector<ResultTable> reopened = reportTables(opened.state, ",");
    ASSERT_EQ(reopened.size(), tables.size());
    for (size_t i = 0; i < tables.size(); ++i)
        EXPECT_EQ(reopened[i].rows, tables[i].rows) << tables[i].title;
}

} // namespace
} // namespace gear
