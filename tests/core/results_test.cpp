// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/manufacturing_requirements.h"
#include "shell/number_text.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include "design_states.h"

#include <gtest/gtest.h>

namespace gear {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const ResultTable* tableTitled(const std::vector<ResultTable>& tables, const std::string& title)
{
    for (const ResultTable& table : tables) {
        if (table.title == title)
            return &table;
    }
    return nullptr;
}

void passWheel(CalcState& s, const char* da, const char* module)
{
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", da, "20", "40"}).refused());
    ASSERT_FALSE(chooseModule(s, module, "").refused());
}

TEST(ResultTables, EachModeKeepsItsOwnResultsWhateverRanAfterIt)
{
    CalcState s = startUpState();
    passWheel(s, "105", "2.5");
    passWheel(s, "420", "10.0"); // a second wheel, of the disc design
    // A transmission pass writes d, df, da and the body of its own.
    CalcState pair = hardenedPair(950, 950);
    pair.results = s.results;
    pair.walkthrough = s.walkthrough;
    ASSERT_FALSE(designTransmission(pair, {"20", "", "100", "4.0"}).refused());
    ASSERT_FALSE(chooseModule(pair, "2.5", "").refused());
    ASSERT_FALSE(chooseFinalSteel(pair, 21).refused());
    chooseCheckMode(pair);
    chooseRequirements(pair, 1);
    pair.sigmaF1 = 500;
    keepMaterial(pair, Mode::Check);
    ASSERT_FALSE(checkPermissibleLoad(pair, {"240", "60", "", "40"}).refused());

    const std::vector<ResultTable> tables = resultTables(pair, ",");
    ASSERT_EQ(tables.size(), 3U);
    const ResultTable* wheel = tableTitled(tables, "Размеры колеса");
    ASSERT_NE(wheel, nullptr);
    // The second wheel: d = 420 − 2·10, the disc design's eleven rows.
    EXPECT_EQ(wheel->rows.size(), 11U);
    EXPECT_EQ(wheel->rows[0], (std::vector<std::string>{"Делительный диаметр, d", "400"}));
    EXPECT_EQ(wheel->rows[1], (std::vector<std::string>{"Диаметр впадин, df", "375"}));

    const ResultTable* design = tableTitled(tables, "Результаты расчёта передачи");
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->rows.front(), (std::vector<std::string>{"Параметр", "Единица величины", "Шестерня", "колесо"}));
    EXPECT_EQ(design->rows[5], (std::vector<std::string>{"Диаметр впадин", "мм", "43,75", "193,75"}));
    EXPECT_EQ(design->rows[7],
              (std::vector<std::string>{"Марка стали зубчатого венца", "", "Сталь 18ХГТ", "Сталь 18ХГТ"}));

    const ResultTable* check = tableTitled(tables, "Результат проверки");
    ASSERT_NE(check, nullptr);
    ASSERT_EQ(check->rows.size(), 1U);
    EXPECT_EQ(check->rows[0][0], "Расчётная нагрузка равна");
    EXPECT_NEAR(numberFromText(check->rows[0][1]), 686.327077748, 1e-6);
    EXPECT_EQ(check->rows[0][2], "Нм");
}

TEST(ResultTables, NoTableForAModeThatDidNotReachItsResults)
{
    CalcState s = startUpState();
    EXPECT_TRUE(resultTables(s, ".").empty());
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", "84", "20", "40"}).refused());
    ASSERT_TRUE(chooseModule(s, "0.5", "").refused()) << "the shaft would not fit the root circle";
    EXPECT_TRUE(resultTables(s, ".").empty());
}

} // namespace
} // namespace gear
