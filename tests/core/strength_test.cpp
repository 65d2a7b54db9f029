// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/angle.h"
#include "shell/input_range.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "strength/check_calculation.h"
#include "strength/strength_tables.h"
#include "strength/transmission_design.h"

#include "design_states.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace gear {
namespace {

// A number as a text that reads back as the same double.
std::string exact(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

struct FormFactorCase {
    double zv;
    double YF;
};

class ToothFormFactor : public testing::TestWithParam<FormFactorCase> {};

TEST_P(ToothFormFactor, TakesTheNearerKeyAndTheUpperOnATie)
{
    EXPECT_DOUBLE_EQ(toothFormFactor(GetParam().zv), GetParam().YF) << GetParam().zv;
}

// The rows below 80 as the table gives them, and the ties between them.
INSTANTIATE_TEST_SUITE_P(Keys, ToothFormFactor,
                         testing::Values(FormFactorCase{9, 4.47}, FormFactorCase{10, 4.47}, FormFactorCase{16.5, 4.3},
                                         FormFactorCase{17, 4.3}, FormFactorCase{20, 4.12}, FormFactorCase{22.49, 4.12},
                                         FormFactorCase{22.5, 3.96}, FormFactorCase{25, 3.96}, FormFactorCase{30, 3.85},
                                         FormFactorCase{40, 3.75}, FormFactorCase{50, 3.73},
                                         FormFactorCase{53.55, 3.73}, FormFactorCase{60, 3.73},
                                         FormFactorCase{69.9, 3.73}, FormFactorCase{70, 3.74}),
                         [](const testing::TestParamInfo<FormFactorCase>& info) {
                             return caseName("zv " + number(info.param.zv), info.index);
                         });

// A tooth of more teeth is a thicker-rooted one: its form factor never
// grows with zv, but for the hundredth the published table's last row
// (3.74 after 3.73) adds.
TEST(ToothFormFactorTable, NeverGrowsWithTheTeeth)
{
    double before = toothFormFactor(1);
    for (double zv = 1; zv <= 200; zv += 0.25) {
        const double now = toothFormFactor(zv);
        EXPECT_LE(now, before + 0.0100001) << zv;
        before = now;
    }
}

// The published table ends with "zv ≥ 80: 3.74": no larger wheel has a
// weaker tooth form than an 80-tooth one.
TEST(ToothFormFactorTable, IsTheLastRowForEveryZvFrom80Up)
{
    for (double zv = 80; zv <= 10000; zv += 0.37)
        ASSERT_DOUBLE_EQ(toothFormFactor(zv), 3.74) << zv;
    EXPECT_DOUBLE_EQ(toothFormFactor(1e9), 3.74);
}

// The branches the design recorded, one per line.
std::string decisionsOf(const CalcState& s)
{
    std::string all;
    for (const StepGroup& group : *s.walkthrough.of(Mode::Transmission)) {
        for (const Step& step : group.steps)
            all += step.decision.text() + '\n';
    }
    return all;
}

TEST(BendingDesign, SpurPairWhereTheWheelGoverns)
{
    CalcState s = hardenedPair(500, 450);
    const Outcome outcome = designTransmission(s, {"20", "", "100", "4"});
    ASSERT_FALSE(outcome.refused()) << outcome.refusal;
    EXPECT_EQ(outcome.next, ScreenId::Vibor);
    EXPECT_DOUBLE_EQ(s.Z2, 80);
    EXPECT_DOUBLE_EQ(s.T2, 400);
    EXPECT_DOUBLE_EQ(s.YF1, 4.12);
    EXPECT_DOUBLE_EQ(s.YF2, 3.74);
    EXPECT_DOUBLE_EQ(s.Psibm, 10);
    // 200/4.12 = 48.54 is not below 180/3.74 = 48.13: the wheel governs.
    EXPECT_NEAR(s.m, 3.147000, 5e-7);
}

TEST(BendingDesign, HelicalPair)
{
    CalcState s = hardenedPair(500, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "12", "100", "4"}).refused());
    EXPECT_NEAR(s.epsalpha, 1.643290, 5e-7);
    EXPECT_NEAR(s.kfa, 0.669389, 5e-7);
    EXPECT_NEAR(s.Ybeta, 0.914286, 5e-7);
    EXPECT_NEAR(s.m, 2.652275, 5e-7);
}

TEST(BendingDesign, PinionGovernsWhenItIsWeakerAndTheWheelOnATie)
{
    CalcState weakPinion = hardenedPair(300, 450);
    ASSERT_FALSE(designTransmission(weakPinion, {"20", "", "100", "4"}).refused());
    EXPECT_NE(decisionsOf(weakPinion).find("шестерня слабее"), std::string::npos);

    // An exact tie: U = 1 gives both gears 20 teeth and the same Y_F, and
    // both take the same steel. The wheel is taken.
    CalcState tie = hardenedPair(450, 450);
    ASSERT_FALSE(designTransmission(tie, {"20", "", "100", "1"}).refused());
    ASSERT_EQ(tie.sigmaFP1 / tie.YF1, tie.sigmaFP2 / tie.YF2);
    EXPECT_NE(decisionsOf(tie).find("колесо слабее"), std::string::npos) << decisionsOf(tie);
}

// A wheel has a whole number of teeth, whatever ratio is typed: U·Z1 rounded
// half up, worked here in whole hundredths so that no binary fraction can
// hide a half (1.14·25 = 28.5 → 29).
TEST(WheelTeeth, AreWholeForEveryTwoDecimalRatioAndPinion)
{
    for (int hundredths = 100; hundredths <= 1000; ++hundredths) {
        const std::string typed = std::to_string(hundredths / 100) + "." + std::to_string(hundredths / 10 % 10) +
                                  std::to_string(hundredths % 10);
        const double U = numberFromText(typed);
        for (int Z1 = 10; Z1 <= 200; ++Z1) {
            const double expected = (hundredths * Z1 + 50) / 100;
            ASSERT_EQ(wheelTeeth(U, Z1), expected) << typed << "·" << Z1;
        }
    }
}

TEST(WheelTeeth, TheActualRatioCarriesTheTorqueAndTheStresses)
{
    // Every ratio of the list, a pinion of 17 teeth: Z2 whole, T2 = Uф·T1.
    for (const std::string_view ratio : kGearRatios) {
        if (ratio.empty())
            continue;
        CalcState s = hardenedPair(500, 450);
        ASSERT_FALSE(designTransmission(s, {"17", "", "100", std::string(ratio)}).refused()) << ratio;
        EXPECT_TRUE(isWholeNumber(s.Z2)) << ratio;
        EXPECT_DOUBLE_EQ(s.Uf, s.Z2 / 17) << ratio;
        EXPECT_DOUBLE_EQ(s.T2, s.Z2 / 17 * 100) << ratio;
        ASSERT_FALSE(chooseModule(s, "3.0", "").refused()) << ratio;
        // Ft1/(bw1·d1)·(Uф + 1)/Uф under the root, with the factors of 1.
        const double Ft1 = 2000.0 * 100 / s.d;
        EXPECT_NEAR(s.sigmaH1, 440 * std::sqrt(Ft1 / (s.bw1 * s.d) * (s.Uf + 1) / s.Uf), 1e-9) << ratio;
    }
}

// Contact design of soft teeth against the textbooks' form (Дунаев–Леликов)
// aw = Ka·(U + 1)·∛(K·T2/(ψba·U²·[σH]²)), Ka = 450 for spur and 410 for
// helical pairs, T2 in N·m, with the same [σH] and load factor K = KHα·kH.
TEST(ContactDesign, AgreesWithTheTextbooksCentreDistance)
{
    struct Case {
        const char* Z1;
        const char* beta;
        const char* T1;
        const char* U;
        double sigmaH;
    };
    for (const Case& c :
         {Case{"20", "", "100", "4", 480}, Case{"25", "", "250", "3.15", 600}, Case{"17", "", "40", "5", 420},
          Case{"30", "12", "500", "2.5", 550}, Case{"22", "8", "120", "4", 480}}) {
        CalcState s = softPair(c.sigmaH, 1.1, 300);
        ASSERT_FALSE(designTransmission(s, {c.Z1, c.beta, c.T1, c.U}).refused()) << c.T1;
        const double sigmaHP = 0.9 * c.sigmaH / 1.1;
        const double Ka = s.beta > 0 ? 410 : 450;
        const double U = s.Uf;
        const double textbook = Ka * (U + 1) * std::cbrt(s.kha * s.kh * s.T2 / (s.Psiba * U * U * sigmaHP * sigmaHP));
        EXPECT_NEAR(s.aw / textbook, 1, 0.02) << c.T1 << " " << c.U;
    }
}

TEST(ContactDesign, CentreDistanceGrowsWithTheCubeRootOfTheTorque)
{
    CalcState light = softPair(480, 1.1, 297);
    CalcState heavy = softPair(480, 1.1, 297);
    ASSERT_FALSE(designTransmission(light, {"20", "", "100", "4"}).refused());
    ASSERT_FALSE(designTransmission(heavy, {"20", "", "800", "4"}).refused());
    EXPECT_NEAR(heavy.aw / light.aw, 2, 1e-12);
    // T2 = 400 N·m: (310/(392.73·4))²·1.5·400·1000/0.2 under the root.
    EXPECT_NEAR(light.aw, 244.4279, 5e-4);
}

TEST(ContactDesign, TheWeakerGearsAllowableStressDesignsThePair)
{
    CalcState s = softPair(480, 1.1, 297);
    s.sigmaH2 = 400;
    keepMaterial(s, Mode::Transmission);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.sigmaHP, 0.9 * 400 / 1.1);
    CalcState same = softPair(400, 1.1, 297);
    ASSERT_FALSE(designTransmission(same, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.aw, same.aw);
}

TEST(ContactDesign, TheModuleReachesTheDesignedCentreDistanceOrCarriesTheBending)
{
    // Сталь 40 improved, 205/165 HB: the centre distance governs.
    CalcState s = softPair(400, 1.1, 0.4 * 297);
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.m, std::max(s.mF, s.maw));
    EXPECT_NEAR(s.m * (20 + s.Z2) / 2, s.aw, 1e-9) << "the pair built on it has the designed centre distance";
    // A weak bending limit makes the bending module the larger.
    CalcState weak = softPair(400, 1.1, 20);
    ASSERT_FALSE(designTransmission(weak, {"20", "", "100", "4"}).refused());
    EXPECT_GT(weak.mF, weak.maw);
    EXPECT_DOUBLE_EQ(weak.m, weak.mF);
}

// Built on the design module, a soft pair's own working contact stress does
// not exceed the allowable one the design took.
TEST(ContactDesign, ThePairBuiltOnTheDesignModuleIsNotOverloadedInContact)
{
    for (const char* Z1 : {"17", "20", "25", "32"}) {
        for (const char* U : {"2", "3.15", "4", "5.6"}) {
            for (const char* beta : {"", "8", "15"}) {
                CalcState s = softPair(500, 1.1, 250);
                ASSERT_FALSE(designTransmission(s, {Z1, beta, "150", U}).refused());
                const double allowable = s.sigmaHP;
                ASSERT_FALSE(chooseModule(s, exact(s.m), "").refused());
                EXPECT_LE(s.sigmaH1, allowable) << Z1 << " " << U << " " << beta;
            }
        }
    }
}

struct RefusedDesign {
    TransmissionInput input;
    const char* words; // what the refusal says
};

class RefusedTransmission : public testing::TestWithParam<RefusedDesign> {};

TEST_P(RefusedTransmission, SaysWhyAndWritesNothing)
{
    CalcState s = hardenedPair(500, 450);
    s.m = 7;
    const CalcState before = s;
    const Outcome outcome = designTransmission(s, GetParam().input);
    ASSERT_TRUE(outcome.refused());
    EXPECT_TRUE(outcome.beep);
    EXPECT_FALSE(outcome.leave);
    EXPECT_NE(outcome.refusal.text().find(GetParam().words), std::string::npos) << outcome.refusal;
    EXPECT_TRUE(sameCalculation(s, before));
}

INSTANTIATE_TEST_SUITE_P(BadInputs, RefusedTransmission,
                         testing::Values(RefusedDesign{{"", "", "100", "4"}, "Введите число зубьев шестерни"},
                                         RefusedDesign{{"abc", "", "100", "4"}, "Введите число зубьев шестерни"},
                                         RefusedDesign{{"9", "", "100", "4"}, "целым, от 10 до 200"},
                                         RefusedDesign{{"20.5", "", "100", "4"}, "целым, от 10 до 200"},
                                         RefusedDesign{{"201", "", "100", "4"}, "целым, от 10 до 200"},
                                         RefusedDesign{{"-20", "", "100", "4"}, "целым, от 10 до 200"},
                                         RefusedDesign{{"1e309", "", "100", "4"}, "целым, от 10 до 200"},
                                         RefusedDesign{{"20", "abc", "100", "4"}, "Введите угол"},
                                         RefusedDesign{{"20", "-5", "100", "4"}, "от 0 до 45 градусов"},
                                         RefusedDesign{{"20", "45.01", "100", "4"}, "от 0 до 45 градусов"},
                                         RefusedDesign{{"20", "80", "100", "4"}, "от 0 до 45 градусов"},
                                         RefusedDesign{{"20", "", "", "4"}, "Введите вращающий момент"},
                                         RefusedDesign{{"20", "", "0", "4"}, "больше 0 и не больше 100000"},
                                         RefusedDesign{{"20", "", "1e308", "4"}, "больше 0 и не больше 100000"},
                                         RefusedDesign{{"20", "", "100", ""}, "Введите передаточное отношение"},
                                         RefusedDesign{{"20", "", "100", "abc"}, "Введите передаточное отношение"},
                                         RefusedDesign{{"20", "", "100", "0.5"}, "от 1 до 10"},
                                         RefusedDesign{{"20", "", "100", "12"}, "от 1 до 10"}),
                         [](const testing::TestParamInfo<RefusedDesign>& info) {
                             const TransmissionInput& in = info.param.input;
                             return caseName("Z1 " + in.Z1 + " beta " + in.beta + " T " + in.T1 + " U " + in.U,
                                             info.index);
                         });

TEST(TransmissionDesign, TakesTheEdgesOfEachRange)
{
    for (const TransmissionInput& input :
         {TransmissionInput{"10", "45", "100000", "10"}, TransmissionInput{"200", "0", "0.001", "1"},
          TransmissionInput{" 20,0 ", " ", "100", "4,0"}}) {
        CalcState s = hardenedPair(500, 450);
        EXPECT_FALSE(designTransmission(s, input).refused()) << input.Z1 << " " << input.beta;
    }
}

TEST(TransmissionDesign, NeitherKindOfHardnessKeepsTheModule)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    s.m = 2.75;
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.m, 2.75);
}

TEST(TransmissionDesign, RefusesMissingMaterialLimits)
{
    CalcState hardened = hardenedPair(0, 450);
    EXPECT_TRUE(designTransmission(hardened, {"20", "", "100", "4"}).refused());
    CalcState soft = softPair(0, 1.1, 297);
    EXPECT_TRUE(designTransmission(soft, {"20", "", "100", "4"}).refused()) << "no contact limit";
}

TEST(CheckCalculation, CarriesTheLoadAtWhichTheTeethReachTheAllowableStress)
{
    CalcState s = checkedWheel(500);
    const Outcome outcome = checkPermissibleLoad(s, {"240", "60", "", "40"});
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome.next, ScreenId::result);
    EXPECT_FALSE(outcome.leave) << "the input stays open under the result";
    EXPECT_DOUBLE_EQ(s.m, 4);
    EXPECT_DOUBLE_EQ(s.Psibm, 10);
    // 0.4·500·60·10·4³/(2·3.73·1.5)/1000: the design's allowable stress,
    // its form factor of 60 teeth and its load factor.
    EXPECT_NEAR(s.Tcalc, 686.327077748, 1e-8);
}

TEST(CheckCalculation, UsesTheDefaultTransverseFactorNotALeftover)
{
    CalcState s = checkedWheel(500);
    s.kfa = 0.669389; // left by an unfinished helical design
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    const double load = s.Tcalc;
    s.defaults.kfa = 2; // changed on the parameters screen
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    EXPECT_NEAR(s.Tcalc, load / 2, 1e-9);
}

// The check is the bending design run backwards: the gear that governs a
// design, checked at the design module with its own steel, carries the
// torque it was designed for; a helical one that torque times the design's
// KFα, since the check takes KFα of the coefficient set.
TEST(CheckCalculation, IsTheInverseOfTheBendingDesign)
{
    struct Limits {
        double pinion, wheel;
    };
    int pinionGoverned = 0;
    int wheelGoverned = 0;
    for (const Limits limits : {Limits{300, 450}, Limits{500, 300}}) {
        for (const char* Z1 : {"17", "20", "25", "32", "40"}) {
            for (const char* U : {"2", "2.5", "3.15", "4", "5", "6.3"}) {
                for (const char* beta : {"", "8", "15"}) {
                    CalcState design = hardenedPair(limits.pinion, limits.wheel);
                    ASSERT_FALSE(designTransmission(design, {Z1, beta, "150", U}).refused());
                    const bool pinion = design.sigmaFP1 / design.YF1 < design.sigmaFP2 / design.YF2;
                    (pinion ? pinionGoverned : wheelGoverned) += 1;
                    const double z = pinion ? design.Z1 : design.Z2;
                    const double c = cosDegrees(design.beta);
                    CalcState check = checkedWheel(pinion ? limits.pinion : limits.wheel);
                    ASSERT_FALSE(checkPermissibleLoad(
                                     check, {exact(design.m * z / c), exact(z), beta, exact(design.Psibm * design.m)})
                                     .refused());
                    const double carried = (pinion ? design.T1 : design.T2) * design.kfa;
                    EXPECT_NEAR(check.Tcalc / carried, 1, 1e-9) << Z1 << " " << U << " " << beta;
                }
            }
        }
    }
    EXPECT_GT(pinionGoverned, 0);
    EXPECT_GT(wheelGoverned, 0);
}

// The permissible load is the bending limit's share of the tooth: it goes
// with the limit in proportion, and an unset limit carries nothing.
TEST(CheckCalculation, ThePermissibleLoadFollowsTheLimitInProportion)
{
    const auto load = [](double limit) {
        CalcState s = checkedWheel(limit);
        EXPECT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused()) << limit;
        return double(s.Tcalc);
    };
    const double base = load(300);
    ASSERT_GT(base, 0);
    for (const double limit : {0.0, 150.0, 600.0, 950.0})
        EXPECT_NEAR(load(limit) / base, limit / 300, 1e-12) << limit;
}

// The limits of the check's inputs are inclusive: 10 and 2000 teeth, 45°,
// 4000 mm are taken; one past any of them is not.
TEST(CheckCalculation, TakesEachInputUpToItsLimit)
{
    const std::pair<CheckInput, bool> cases[] = {
        {{"4000", "2000", "", "40"}, true},  {{"4000", "2001", "", "40"}, false},   {{"240", "10", "", "40"}, true},
        {{"240", "60", "45", "40"}, true},   {{"240", "60", "45.01", "40"}, false}, {{"4000", "60", "", "4000"}, true},
        {{"4000.01", "60", "", "40"}, false}};
    for (const auto& [input, taken] : cases) {
        CalcState s = checkedWheel(500);
        EXPECT_EQ(!checkPermissibleLoad(s, input).refused(), taken) << input.d << ' ' << input.z << ' ' << input.beta;
    }
}

struct RefusedCheckCase {
    CheckInput input;
    const char* words;
};

class RefusedCheck : public testing::TestWithParam<RefusedCheckCase> {};

TEST_P(RefusedCheck, SaysWhyAndWritesNothing)
{
    CalcState s = checkedWheel(500);
    s.Tcalc = 9600;
    const CalcState before = s;
    const Outcome outcome = checkPermissibleLoad(s, GetParam().input);
    EXPECT_TRUE(outcome.refused());
    EXPECT_FALSE(outcome.next);
    EXPECT_NE(outcome.refusal.text().find(GetParam().words), std::string::npos) << outcome.refusal;
    EXPECT_TRUE(sameCalculation(s, before));
}

INSTANTIATE_TEST_SUITE_P(BadInputs, RefusedCheck,
                         testing::Values(RefusedCheckCase{{"", "60", "", "40"}, "Введите делительный диаметр"},
                                         RefusedCheckCase{{"4001", "60", "", "40"}, "не больше 4000"},
                                         RefusedCheckCase{{"1e309", "60", "", "40"}, "не больше 4000"},
                                         RefusedCheckCase{{"240", "x", "", "40"}, "Введите число зубьев"},
                                         RefusedCheckCase{{"240", "0", "", "40"}, "целым, от 10 до 2000"},
                                         RefusedCheckCase{{"240", "9", "", "40"}, "целым, от 10 до 2000"},
                                         RefusedCheckCase{{"240", "60.5", "", "40"}, "целым, от 10 до 2000"},
                                         RefusedCheckCase{{"240", "60", "-1", "40"}, "от 0 до 45 градусов"},
                                         RefusedCheckCase{{"240", "60", "46", "40"}, "от 0 до 45 градусов"},
                                         RefusedCheckCase{{"240", "60", "", ""}, "Введите ширину"},
                                         RefusedCheckCase{{"240", "60", "", "0"}, "больше 0"}),
                         [](const testing::TestParamInfo<RefusedCheckCase>& info) {
                             const CheckInput& in = info.param.input;
                             return caseName("d " + in.d + " z " + in.z + " beta " + in.beta + " b " + in.b,
                                             info.index);
                         });

// Each mode computes with the steel of its own chain, whichever mode ran
// between its screens.
CalcState checkChain(CalcState s)
{
    chooseCheckMode(s);
    chooseRequirements(s, 1);
    chooseSurfaceHardening(s, 3);
    chooseSteelGrade(s, ScreenId::stal4, 1); // Сталь 18ХГТ, σF lim 950 MPa
    return s;
}

CalcState softDesignUpToItsInput(CalcState s)
{
    chooseTransmissionMode(s);
    recommendHardness(s, 2);
    chooseThroughHardening(s, 2);
    chooseSteelGrade(s, ScreenId::stal2, 1); // Сталь 40 improved
    return s;
}

TEST(ModeMaterial, ACheckAfterADesignGivesTheSameLoad)
{
    CalcState s = checkChain(startUpState());
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    const double alone = s.Tcalc;
    s = softDesignUpToItsInput(std::move(s));
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    ASSERT_FALSE(chooseModule(s, "6.0", "").refused());
    ASSERT_NE(double(s.sigmaF1), 950) << "the design left its working stress in the shared fields";
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    EXPECT_DOUBLE_EQ(s.Tcalc, alone);
    EXPECT_EQ(s.walkthrough.of(Mode::Check)->back().screen, ScreenId::Vvod3) << "the check's chain records it";
}

TEST(ModeMaterial, ADesignAfterACheckChainKeepsItsOwnSteelAndPath)
{
    CalcState alone = softDesignUpToItsInput(startUpState());
    ASSERT_FALSE(designTransmission(alone, {"20", "", "100", "4"}).refused());

    CalcState s = checkChain(softDesignUpToItsInput(startUpState()));
    ASSERT_TRUE(s.isHRC) << "the check's chain is hardened";
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.m, alone.m);
    EXPECT_DOUBLE_EQ(s.aw, alone.aw) << "the contact design of soft teeth ran";
    EXPECT_EQ(s.mode, Mode::Transmission) << "the module choice that follows belongs to the design";
}

} // namespace
} // namespace gear
