// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"
#include "geometry/wheel_input.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/formula.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include "design_states.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace gear {
namespace {

const StepGroup& lastGroup(const CalcState& s, Mode mode)
{
    const std::vector<StepGroup>* groups = s.walkthrough.of(mode);
    EXPECT_NE(groups, nullptr);
    EXPECT_FALSE(groups->empty());
    return groups->back();
}

std::vector<std::string> quantities(const StepGroup& group)
{
    std::vector<std::string> names;
    for (const Step& step : group.steps) {
        if (step.decision.empty())
            names.push_back(step.quantity);
    }
    return names;
}

double resultOf(const StepGroup& group, const std::string& quantity)
{
    double found = -1;
    for (const Step& step : group.steps) {
        if (step.quantity == quantity)
            found = step.result; // the last one, as the calculation left it
    }
    return found;
}

std::string decisions(const StepGroup& group)
{
    std::string all;
    for (const Step& step : group.steps)
        all += step.decision.text() + '\n';
    return all;
}

TEST(Walkthrough, BendingDesignStepsInTheOrderTheyRanWithTheValuesLeft)
{
    CalcState s = hardenedPair(500, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "12", "100", "4"}).refused());
    const StepGroup& design = lastGroup(s, Mode::Transmission);
    EXPECT_EQ(design.screen, ScreenId::Vvod2);
    EXPECT_EQ(quantities(design),
              (std::vector<std::string>{"Z_2",  "U_ф",   "ΔU",   "T_2",        "σ_FP1",      "σ_FP2", "σ_HP1", "σ_HP2",
                                        "σ_HP", "cos β", "z_v1", "z_v2",       "Y_F1",       "Y_F2",  "k_F",   "ψ_bm",
                                        "ε_α",  "K_Fα",  "Y_β",  "σ_FP1/Y_F1", "σ_FP2/Y_F2", "m"}));
    EXPECT_EQ(resultOf(design, "Z_2"), s.Z2);
    EXPECT_EQ(resultOf(design, "T_2"), s.T2);
    EXPECT_EQ(resultOf(design, "σ_FP2"), s.sigmaFP2);
    EXPECT_EQ(resultOf(design, "Y_F1"), s.YF1);
    EXPECT_EQ(resultOf(design, "Y_F2"), s.YF2);
    EXPECT_EQ(resultOf(design, "ε_α"), s.epsalpha);
    EXPECT_EQ(resultOf(design, "K_Fα"), s.kfa);
    EXPECT_EQ(resultOf(design, "Y_β"), s.Ybeta);
    EXPECT_EQ(resultOf(design, "m"), s.m);
    EXPECT_NE(decisions(design).find("изгиб"), std::string::npos);
    EXPECT_NE(decisions(design).find("kF = 1.5"), std::string::npos) << "which load factor the design takes";
    EXPECT_NE(decisions(design).find("модуль по колесу"), std::string::npos);
    EXPECT_EQ(decisions(design).find("модуль по шестерне"), std::string::npos);
}

TEST(Walkthrough, ShowsThePinionWhenItGoverns)
{
    CalcState s = hardenedPair(300, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    const StepGroup& design = lastGroup(s, Mode::Transmission);
    EXPECT_NE(decisions(design).find("модуль по шестерне"), std::string::npos);
    const Step& m = design.steps.back();
    EXPECT_EQ(m.quantity, "m");
    EXPECT_EQ(symbolicForm(m), "∛(2·Y_F1·Y_β·K_Fα·k_F·T_1·1000·cos β/(ψ_bm·Z_1·σ_FP1))");
    EXPECT_EQ(substitutedForm(m), "∛(2·4.12·1·1·1.5·100·1000·1/(10·20·120))");
}

const Step& stepOf(const StepGroup& group, const std::string& quantity)
{
    static const Step none;
    for (const Step& step : group.steps) {
        if (step.quantity == quantity)
            return step;
    }
    ADD_FAILURE() << "no step " << quantity;
    return none;
}

TEST(Walkthrough, ContactDesignShowsTheCentreDistanceBranch)
{
    CalcState s = softPair(480, 1.1, 297);
    s.sigmaH2 = 400;
    keepMaterial(s, Mode::Transmission);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "3.15"}).refused());
    const StepGroup& design = lastGroup(s, Mode::Transmission);
    EXPECT_NE(decisions(design).find("контактную"), std::string::npos);
    EXPECT_NE(decisions(design).find("прямозубая"), std::string::npos);
    EXPECT_NE(decisions(design).find("kH = 1.5"), std::string::npos);
    EXPECT_EQ(symbolicForm(stepOf(design, "Z_2")), "U·Z_1, округлённое до целого");
    EXPECT_EQ(substitutedForm(stepOf(design, "Z_2")), "3.15·20, округлённое до целого");
    EXPECT_EQ(resultOf(design, "Z_2"), 63);
    EXPECT_EQ(substitutedForm(stepOf(design, "ΔU")), "(3.15 − 3.15)/3.15·100");
    EXPECT_EQ(symbolicForm(stepOf(design, "σ_HP")), "min(σ_HP1; σ_HP2)");
    EXPECT_EQ(resultOf(design, "σ_HP"), 0.9 * 400 / 1.1);
    EXPECT_EQ(symbolicForm(stepOf(design, "a_w")), "(U_ф + 1)·∛((k_a/(σ_HP·U_ф))^2·K_Hα·k_H·T_2·1000/ψ_ba)");
    EXPECT_EQ(resultOf(design, "a_w"), s.aw);
    EXPECT_EQ(symbolicForm(stepOf(design, "m_F")), "k_m·(U_ф + 1)·T_2·1000/(U_ф·b_w·a_w·σ_FP2)");
    EXPECT_EQ(symbolicForm(stepOf(design, "m_aw")), "2·a_w·cos β/(Z_1·(U_ф + 1))");
    EXPECT_EQ(symbolicForm(stepOf(design, "m")), "max(m_F; m_aw)");
    EXPECT_NE(decisions(design).find("m_aw ≥ m_F"), std::string::npos) << "which module governs";
    EXPECT_EQ(resultOf(design, "m"), s.m);
    EXPECT_EQ(quantities(design).back(), "m");
}

TEST(Walkthrough, ModuleChoiceGeometryAndStresses)
{
    CalcState s = hardenedPair(500, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "10", "100", "4"}).refused());
    ASSERT_FALSE(chooseModule(s, "2.5", "").refused());
    const std::vector<StepGroup>& groups = *s.walkthrough.of(Mode::Transmission);
    ASSERT_EQ(groups.size(), 3U);
    EXPECT_EQ(groups[0].screen, ScreenId::ATverd);
    EXPECT_EQ(groups[1].screen, ScreenId::Vvod2);
    const StepGroup& choice = groups[2];
    EXPECT_EQ(choice.screen, ScreenId::Vibor);
    EXPECT_EQ(
        quantities(choice),
        (std::vector<std::string>{"m",    "cos β", "d_1",      "d_2",    "d_a1", "d_a2", "a_w",  "ψ_bm", "b_w",  "d_f1",
                                  "d_f2", "b_w1",  "b_w2",     "z_v1",   "z_v2", "Y_F1", "Y_F2", "F_t1", "σ_F1", "σ_F2",
                                  "σ_H1", "σ_H2",  "a_w ГОСТ", "β ГОСТ", "F_r",  "F_a",  "ε_α",  "ε_β"}));
    EXPECT_EQ(resultOf(choice, "d_1"), s.d);
    EXPECT_EQ(resultOf(choice, "d_a2"), s.da2);
    EXPECT_EQ(resultOf(choice, "a_w"), s.aw);
    EXPECT_EQ(resultOf(choice, "b_w1"), s.bw1);
    EXPECT_EQ(resultOf(choice, "σ_F1"), s.sigmaF1);
    EXPECT_EQ(resultOf(choice, "σ_F2"), s.sigmaF2);
    EXPECT_EQ(resultOf(choice, "σ_H1"), s.sigmaH1);
    EXPECT_EQ(resultOf(choice, "σ_H2"), s.sigmaH2);
    EXPECT_EQ(symbolicForm(stepOf(choice, "σ_H2")), "σ_H1");
    EXPECT_NE(decisions(choice).find("из набора параметров"), std::string::npos) << "whose load factors";
    EXPECT_NE(decisions(choice).find("первого ряда"), std::string::npos);
}

TEST(Walkthrough, WheelModeShowsTheBodyAndTheSketchChosen)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", "105", "20", "40"}).refused());
    const Outcome choice = chooseModule(s, "", "2.25");
    ASSERT_FALSE(choice.refused());
    const std::vector<StepGroup>& groups = *s.walkthrough.of(Mode::Wheel);
    ASSERT_EQ(groups.size(), 2U);
    EXPECT_EQ(resultOf(groups[0], "m"), s.mcalc);
    const StepGroup& body = groups[1];
    EXPECT_EQ(resultOf(body, "d"), s.d);
    EXPECT_EQ(resultOf(body, "δ_0"), s.Delta0);
    EXPECT_EQ(resultOf(body, "C"), s.C);
    EXPECT_EQ(resultOf(body, "D_0"), s.D0);
    EXPECT_EQ(resultOf(body, "d_0"), s.d0);
    EXPECT_EQ(resultOf(body, "L_ст"), s.LstStd);
    EXPECT_NE(decisions(body).find("интерполяция"), std::string::npos);
    EXPECT_NE(decisions(body).find("da < 250"), std::string::npos);
    EXPECT_NE(decisions(body).find("второго ряда"), std::string::npos);
    EXPECT_EQ(s.walkthrough.of(Mode::Transmission), nullptr) << "no design ran";
}

TEST(Walkthrough, CheckCalculation)
{
    CalcState s = checkedWheel(500);
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "10", "40"}).refused());
    const StepGroup& check = lastGroup(s, Mode::Check);
    EXPECT_EQ(quantities(check), (std::vector<std::string>{"cos β", "m", "ψ_bm", "z_v", "Y_F", "Y_β", "K_Fα", "T"}));
    EXPECT_EQ(symbolicForm(check.steps.back()), "0.4·σ_F1·z·ψ_bm·m^3/(2·Y_F·1.5·Y_β·K_Fα·cos β)/1000");
    EXPECT_NE(decisions(check).find("1.5"), std::string::npos) << "which load factor the check takes";
    EXPECT_EQ(resultOf(check, "m"), s.m);
    EXPECT_EQ(resultOf(check, "ψ_bm"), s.Psibm);
    EXPECT_EQ(resultOf(check, "T"), s.Tcalc);
    EXPECT_EQ(substitutedForm(check.steps[1]), "240·0.9848086/60") << "enough digits for m to six";
}

TEST(Walkthrough, ARefusalIsShownInsteadOfNumbersAndARerunReplacesWhatFollowed)
{
    CalcState s = hardenedPair(500, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    ASSERT_FALSE(chooseModule(s, "2.5", "").refused());
    ASSERT_TRUE(designTransmission(s, {"", "", "100", "4"}).refused());
    const std::vector<StepGroup>& groups = *s.walkthrough.of(Mode::Transmission);
    ASSERT_EQ(groups.size(), 2U) << "the module choice that followed the design is gone";
    EXPECT_EQ(groups.back().screen, ScreenId::Vvod2);
    EXPECT_TRUE(groups.back().steps.empty());
    EXPECT_NE(groups.back().refusal.text().find("Z1"), std::string::npos);

    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_TRUE(s.walkthrough.of(Mode::Transmission)->back().refusal.empty());
}

std::vector<ScreenId> screensOf(const CalcState& s)
{
    std::vector<ScreenId> screens;
    for (const StepGroup& group : *s.walkthrough.of(Mode::Transmission))
        screens.push_back(group.screen);
    return screens;
}

TEST(Walkthrough, AnOkThatDoesNotRunKeepsTheStepsAndARerunReplacesWhatFollowed)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    chooseSurfaceHardening(s, 3);
    ASSERT_FALSE(chooseSteelGrade(s, ScreenId::stal4, 1).refused());
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    const std::vector<ScreenId> designed{ScreenId::ATverd, ScreenId::Czakalka2, ScreenId::stal4, ScreenId::Vvod2};
    ASSERT_EQ(screensOf(s), designed);

    ASSERT_FALSE(chooseSteelGrade(s, ScreenId::stal4, 0).leave) << "no grade taken";
    EXPECT_EQ(screensOf(s), designed);

    ASSERT_FALSE(chooseSteelGrade(s, ScreenId::stal4, 2).refused());
    EXPECT_EQ(screensOf(s), std::vector<ScreenId>(designed.begin(), designed.end() - 1));
    EXPECT_EQ(s.walkthrough.of(Mode::Transmission)->back().steps.front().decision.text(),
              std::string(steelScreenContent(ScreenId::stal4).grades[1]));
}

TEST(Walkthrough, AWrongModuleChoiceIsRecordedAsRefused)
{
    CalcState s = hardenedPair(500, 450);
    designTransmission(s, {"20", "", "100", "4"});
    chooseModule(s, "2.5", "2.75");
    const StepGroup& choice = lastGroup(s, Mode::Transmission);
    EXPECT_EQ(choice.screen, ScreenId::Vibor);
    EXPECT_FALSE(choice.refusal.empty());
}

TEST(Walkthrough, ALimitThatDoesNotDependOnTheHardnessShowsItsValueAlone)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 4);                                         // 53 HRC
    chooseSurfaceHardening(s, 2);                                    // HFC: stal2
    ASSERT_FALSE(chooseSteelGrade(s, ScreenId::stal2, 3).refused()); // Сталь 40Х
    const StepGroup& steel = lastGroup(s, Mode::Transmission);
    std::vector<std::string> shown;
    for (const Step& step : steel.steps) {
        if (step.decision.empty())
            shown.push_back(step.quantity + " = " + symbolicForm(step, ",") + " = " + substitutedForm(step, ",") +
                            " = " + resultText(step, ","));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"σ_H1 = 17·H_1 + 200 = 17·53 + 200 = 1101",
                                               "σ_H2 = 17·H_2 + 200 = 17·53 + 200 = 1101", "σ_F1 = 700 = 700 = 700",
                                               "σ_F2 = 700 = 700 = 700"}));
}

struct FormCase {
    const char* name;
    const char* formula;
    std::vector<double> values;
    double result;
    const char* symbolic;    // with a decimal comma
    const char* substituted; // with a decimal comma
};

class WalkthroughForm : public testing::TestWithParam<FormCase> {};

TEST_P(WalkthroughForm, ShowsTheSymbolsAndNumbersThatCheckOutByHand)
{
    const FormCase& c = GetParam();
    const Step step{"x", c.formula, c.values, c.result, {}, {}};
    EXPECT_EQ(symbolicForm(step, ","), c.symbolic);
    EXPECT_EQ(substitutedForm(step, ","), c.substituted);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WalkthroughForm,
    testing::Values(
        // 1211.5 to four digits would show "0,9·1212/1,2 = 908,625".
        FormCase{"AllowableStressOfAHalfHardness",
                 "0.9·{σ_H1}/{S_H}",
                 {1211.5, 1.2},
                 908.625,
                 "0,9·σ_H1/S_H",
                 "0,9·1211,5/1,2"},
        FormCase{"ConstantsTakeTheSeparator", "0.4·{σ_F1}", {950}, 380, "0,4·σ_F1", "0,4·950"},
        FormCase{"MoreDigitsUntilTheResultChecksOut",
                 "{Z_1}/{cos^3 β}",
                 {20, 0.9358508},
                 20 / 0.9358508,
                 "Z_1/cos^3 β",
                 "20/0,93585"},
        FormCase{"FourDigitsAreTheLeast", "{a}·{b}", {787.5, 2}, 1575, "a·b", "787,5·2"},
        FormCase{"ANegativeValueInParentheses", "1 − {β}/140", {-5}, 1 + 5.0 / 140, "1 − β/140", "1 − (-5)/140"},
        FormCase{"ALookUpKeepsFourDigits", "Y_F({z_v1})", {21.3709}, 4.12, "Y_F(z_v1)", "Y_F(21,37)"},
        FormCase{"AConstantAlone", "1.5", {}, 1.5, "1,5", "1,5"},
        FormCase{"AnUnclosedBraceIsText", "2·{a", {3}, 6, "2·{a", "2·{a"}),
    [](const testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

// Every step a whole pass of each mode records: as many numbers as its
// formula has places for, and numbers that give the result shown.
std::vector<Step> stepsOfEveryMode()
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    chooseSurfaceHardening(s, 3);
    chooseSteelGrade(s, ScreenId::stal4, 2);
    designTransmission(s, {"17", "12", "100", "3.15"});
    chooseModule(s, "", "2.75");
    CalcState soft = startUpState();
    chooseTransmissionMode(soft);
    recommendHardness(soft, 2);
    chooseThroughHardening(soft, 2);
    chooseSteelGrade(soft, ScreenId::stal2, 3);
    designTransmission(soft, {"20", "8", "100", "4"});
    chooseWheelMode(s);
    enterWheel(s, {"40", "10", "30", "420", "20", "40"});
    chooseModule(s, "", "3.5");
    chooseCheckMode(s);
    chooseRequirements(s, 2);
    chooseThroughHardening(s, 2);
    chooseSteelGrade(s, ScreenId::stal2, 1);
    checkPermissibleLoad(s, {"240", "60", "10", "40"});
    std::vector<Step> steps;
    for (const CalcState* state : {&s, &soft}) {
        for (const auto& groups : state->walkthrough.modes) {
            for (const StepGroup& group : groups.value_or(std::vector<StepGroup>{}))
                steps.insert(steps.end(), group.steps.begin(), group.steps.end());
        }
    }
    return steps;
}

TEST(Walkthrough, EveryStepHasAValueForEachPlaceAndChecksOutByHand)
{
    const std::vector<Step> steps = stepsOfEveryMode();
    ASSERT_GT(steps.size(), 80U);
    int redone = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(placeholderCount(step.formula), step.values.size()) << step.quantity << " = " << step.formula;
        if (const std::optional<double> value = evaluateFormula(substitutedForm(step))) {
            EXPECT_EQ(numberToText(*value, kResultDigits, "."), resultText(step)) << substitutedForm(step);
            ++redone;
        }
    }
    EXPECT_GT(redone, 50) << "most steps are arithmetic a student can redo";
}

struct Evaluation {
    const char* name;
    const char* formula;
    std::optional<double> value;
};

class FormulaValue : public testing::TestWithParam<Evaluation> {};

TEST_P(FormulaValue, ReadsTheWalkthroughsArithmetic)
{
    const std::optional<double> value = evaluateFormula(GetParam().formula);
    ASSERT_EQ(value.has_value(), GetParam().value.has_value()) << GetParam().formula;
    if (value) {
        EXPECT_NEAR(*value, *GetParam().value, 1e-12 * std::abs(*GetParam().value)) << GetParam().formula;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaValue,
    testing::Values(Evaluation{"Precedence", "2 + 3·4 − 6/2", 11.0}, Evaluation{"Parentheses", "(2 + 3)·4", 20.0},
                    Evaluation{"PowerBindsTighter", "2·3^2", 18.0}, Evaluation{"Roots", "√(16) + ∛(27)", 7.0},
                    Evaluation{"CosineOfRadians", "cos(60·3.1415/180)", std::cos(60 * 3.1415 / 180)},
                    Evaluation{"UnaryMinus", "1 − (-5)/140", 1 + 5.0 / 140},
                    Evaluation{"Exponent", "787.1·1e-07", 787.1e-7},
                    Evaluation{"TheSmallerAndTheLarger", "min(3; 2.5) + max(1; 4)", 6.5},
                    Evaluation{"AMinimumNeedsTwoValues", "min(3)", std::nullopt},
                    Evaluation{"AWordIsNoArithmetic", "ближайший нормальный размер к 25", std::nullopt},
                    Evaluation{"ALookUpIsNoArithmetic", "Y_F(21.37)", std::nullopt},
                    Evaluation{"DivisionByZeroHasNoValue", "1/0", std::nullopt},
                    Evaluation{"UnclosedParenthesis", "(1 + 2", std::nullopt}, Evaluation{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<Evaluation>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gear
