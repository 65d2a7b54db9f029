// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/hardness_recommendation.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/calc_state.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "strength/transmission_design.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace gear {
namespace {

// A fresh run holds each coefficient at its default, inside the range the
// parameters screen takes (a load factor at least 1), and no other number.
TEST(StartUpState, HoldsTheDefaultCoefficientsInTheirRangesAndNothingElse)
{
    const CalcState s = startUpState();
    std::set<std::string_view> coefficients;
    for (const CoefficientInfo& info : kCoefficients) {
        const double value = s.*info.field;
        coefficients.insert(info.name);
        EXPECT_EQ(value, s.defaults.*info.preset) << info.name;
        EXPECT_TRUE(info.lowExcluded ? value > info.low : value >= info.low) << info.name;
        EXPECT_LE(value, info.high) << info.name;
        if (info.loadFactor)
            EXPECT_GE(value, 1) << info.name;
    }
    for (const NumberField& field : kNumberFields) {
        const bool coefficient = std::any_of(kCoefficients.begin(), kCoefficients.end(),
                                             [&](const CoefficientInfo& info) { return info.field == field.field; });
        if (!coefficient)
            EXPECT_FALSE((s.*field.field).isWritten()) << field.name;
    }
    EXPECT_EQ(s.stdSizes, kStdSizes);
    EXPECT_FALSE(s.mode.has_value());
    EXPECT_EQ(s.steelGrade, "");
}

TEST(ModeCommands, ExactlyOneModeHoldsAndTheFirstScreenFollows)
{
    CalcState s = startUpState();
    EXPECT_EQ(chooseWheelMode(s), ScreenId::Vvod);
    EXPECT_EQ(s.mode, Mode::Wheel);
    EXPECT_EQ(chooseTransmissionMode(s), ScreenId::ATverd);
    EXPECT_EQ(s.mode, Mode::Transmission);
    s.Psibd = 0.3;
    s.U = 5;
    EXPECT_EQ(chooseCheckMode(s), ScreenId::trebov2);
    EXPECT_EQ(s.mode, Mode::Check);
    EXPECT_EQ(double(s.Psibd), 0.5);
    EXPECT_EQ(double(s.U), 2.0);
}

std::array<std::string, kCoefficientCount> defaultTexts()
{
    return parameterTexts(startUpState(), ".");
}

// What each coefficient of the parameters screen is, as the textbook names
// it: the words that set it apart from its neighbours.
TEST(Parameters, NameEachCoefficientByWhatItAccountsFor)
{
    const std::vector<std::pair<std::string_view, std::string_view>> kinds{
        {"Psibd", "ширины венца"},
        {"kf", "нагрузки при расчёте на изгиб"},
        {"kh", "нагрузки при расчёте на контактную прочность"},
        {"khb", "неравномерности нагрузки по ширине венца KHβ"},
        {"kfb", "неравномерности нагрузки по ширине венца KFβ"},
        {"kfa", "распределения нагрузки между зубьями KFα"},
        {"kfv", "динамической нагрузки KFv"},
        {"khv", "динамической нагрузки KHv"},
        {"kha", "распределения нагрузки между зубьями KHα"},
        {"Zk", "контактной прочности косозубых"},
        {"Yn", "долговечности YN"},
        {"Zn", "долговечности ZN"},
        {"Yr", "шероховатости"},
        {"Yx", "размеров"},
        {"Yd", "градиенту напряжений"},
        {"Sf", "запаса прочности при изгибе"},
        {"Sh", "запаса прочности по контактным"},
    };
    for (const auto& [name, words] : kinds) {
        // clang 14, which builds the WebAssembly tests, cannot capture a
        // structured binding in a lambda.
        const std::string_view symbol = name;
        const auto info = std::find_if(kCoefficients.begin(), kCoefficients.end(),
                                       [&](const CoefficientInfo& c) { return c.name == symbol; });
        ASSERT_NE(info, kCoefficients.end()) << name;
        EXPECT_NE(info->meaning.find(words), std::string_view::npos) << name << ": " << info->meaning;
        EXPECT_EQ(info->meaning.find("перекрыт"), std::string_view::npos) << name << ": " << info->meaning;
    }
}

TEST(Parameters, ShowTheSetInForceWithTheRegionalSeparator)
{
    const auto texts = parameterTexts(startUpState(), ",");
    EXPECT_EQ(texts[0], "0,5");
    EXPECT_EQ(texts[9], "0,85");
    EXPECT_EQ(texts[14], "1,082");
    EXPECT_EQ(texts[16], "1");
}

TEST(Parameters, ChangeTheDefaultSetOnlyAndCountFromTheNextMode)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    chooseSurfaceHardening(s, 3); // S_H = 1.2 for the design to come
    auto texts = defaultTexts();
    texts[5] = "1,2"; // kfa, typed with a decimal comma
    texts[0] = " 0.4 ";
    texts[16] = "1.5"; // Sh
    const Outcome outcome = applyParameters(s, texts);
    EXPECT_FALSE(outcome.refused());
    EXPECT_TRUE(outcome.leave);
    EXPECT_EQ(s.defaults.kfa, 1.2);
    EXPECT_EQ(s.defaults.Psibd, 0.4);
    EXPECT_EQ(double(s.Sh), 1.2) << "the chain in progress keeps its safety factor";
    EXPECT_EQ(double(s.kfa), 1.0);
    EXPECT_EQ(double(s.Psibd), 0.5);
    chooseWheelMode(s);
    EXPECT_EQ(double(s.kfa), 1.2) << "the next mode starts from the new set";
    EXPECT_EQ(double(s.Psibd), 0.4);
    EXPECT_EQ(double(s.Sh), 1.5);
}

TEST(Parameters, AnUnchangedVisitLeavesTheDesignAsItWas)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 2);
    chooseThroughHardening(s, 2); // S_H = 1.1, which the contact design divides by
    chooseSteelGrade(s, ScreenId::stal2, 3);
    CalcState visited = s;
    ASSERT_TRUE(applyParameters(visited, parameterTexts(visited, ",")).leave);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    ASSERT_FALSE(designTransmission(visited, {"20", "", "100", "4"}).refused());
    EXPECT_EQ(double(visited.m), double(s.m));
}

struct BadCoefficient {
    size_t field;
    const char* text;
    const char* words; // what the refusal says
};

class RefusedParameter : public testing::TestWithParam<BadCoefficient> {};

TEST_P(RefusedParameter, SaysWhyAndStoresNothing)
{
    CalcState s = startUpState();
    auto texts = defaultTexts();
    texts[0] = "0.6";
    texts[GetParam().field] = GetParam().text;
    const Outcome outcome = applyParameters(s, texts);
    EXPECT_TRUE(outcome.refused()) << GetParam().text;
    EXPECT_FALSE(outcome.leave);
    const std::string said = outcome.refusal.text();
    EXPECT_NE(said.find(std::string(kCoefficients[GetParam().field].name)), std::string::npos) << said;
    EXPECT_NE(said.find(GetParam().words), std::string::npos) << said;
    EXPECT_EQ(s.defaults.Psibd, 0.5) << "nothing is stored";
}

// 1 kf, 2 kh, 3 khb, 4 kfb, 5 kfa, 6 kfv, 7 khv, 8 kha: the load factors but
// KFα, which stands for 1.1/εα and is below 1 by design, take nothing below 1.
INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedParameter,
    testing::Values(BadCoefficient{7, "", "Введите"}, BadCoefficient{7, "abc", "Введите"},
                    BadCoefficient{7, ",", "Введите"}, BadCoefficient{1, "0.8", "не может быть меньше 1"},
                    BadCoefficient{2, "0.8", "не может быть меньше 1"},
                    BadCoefficient{3, "0,99", "не может быть меньше 1"},
                    BadCoefficient{4, "0.5", "не может быть меньше 1"},
                    BadCoefficient{6, "0", "не может быть меньше 1"}, BadCoefficient{7, "-1", "не может быть меньше 1"},
                    BadCoefficient{8, "0.9", "не может быть меньше 1"}, BadCoefficient{7, "1e309", "от 1 до 3"},
                    BadCoefficient{5, "0", "больше 0 и не больше 3"},
                    BadCoefficient{5, "-0,5", "больше 0 и не больше 3"}, BadCoefficient{0, "0.05", "от 0.1 до 2"},
                    BadCoefficient{16, "0.9", "от 1 до 3"}, BadCoefficient{9, "5", "от 0.5 до 4"}),
    [](const testing::TestParamInfo<BadCoefficient>& info) {
        return caseName(std::string(kCoefficients[info.param.field].name) + " " + info.param.text, info.index);
    });

TEST(Parameters, TakeTheEdgesOfEachRangeAndATransverseFactorBelowOne)
{
    CalcState s = startUpState();
    auto texts = defaultTexts();
    for (size_t i = 0; i < kCoefficients.size(); ++i)
        texts[i] = numberToText(Number(kCoefficients[i].lowExcluded ? 0.5 : kCoefficients[i].low));
    ASSERT_FALSE(applyParameters(s, texts).refused());
    EXPECT_EQ(s.defaults.kfa, 0.5);
    for (size_t i = 0; i < kCoefficients.size(); ++i)
        texts[i] = numberToText(Number(kCoefficients[i].high));
    EXPECT_FALSE(applyParameters(s, texts).refused());
}

TEST(AllFinite, SpotsAnyNumberOfTheStateThatIsNot)
{
    const CalcState fine = startUpState();
    EXPECT_TRUE(allFinite(fine));
    for (const NumberField& field : kNumberFields) {
        for (double bad : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
            CalcState s = fine;
            s.*field.field = bad;
            EXPECT_FALSE(allFinite(s)) << field.name;
        }
    }
}

// Each number of the state has one name, and each name one number: a copied
// line of the table would send a file's value into another field.
TEST(NumberFields, GiveEachNumberOneNameAndEachNameOneNumber)
{
    for (size_t i = 0; i < kNumberFields.size(); ++i) {
        EXPECT_FALSE(kNumberFields[i].name.empty()) << i;
        for (size_t j = i + 1; j < kNumberFields.size(); ++j) {
            EXPECT_NE(kNumberFields[i].name, kNumberFields[j].name) << i << " " << j;
            EXPECT_FALSE(kNumberFields[i].field == kNumberFields[j].field)
                << kNumberFields[i].name << " and " << kNumberFields[j].name;
        }
    }
}

} // namespace
} // namespace gear
