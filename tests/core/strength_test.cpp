// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mode_commands.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include "design_states.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gear {
namespace {

struct FormFactorCase {
    double zv;
    double YF;
};

class ToothFormFactor : public testing::TestWithParam<FormFactorCase> {};

TEST_P(ToothFormFactor, TakesTheNearerKeyAndTheUpperOnATie)
{
    EXPECT_DOUBLE_EQ(toothFormFactor(GetParam().zv), GetParam().YF) << GetParam().zv;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ToothFormFactor,
    testing::Values(
        FormFactorCase{10, 4.47}, FormFactorCase{17, 4.3}, FormFactorCase{20, 4.12}, FormFactorCase{53.55, 3.73},
        FormFactorCase{22.5, 3.96}, FormFactorCase{22.49, 4.12}, FormFactorCase{16.5, 4.3}, FormFactorCase{70, 3.74},
        FormFactorCase{69.9, 3.73}, FormFactorCase{85.48, 3.74}, FormFactorCase{210, 4.47}, FormFactorCase{9, 4.47},
        FormFactorCase{300, 4.47}, FormFactorCase{220, 4.47}, FormFactorCase{14, 4.47}, FormFactorCase{13, 4.47},
        FormFactorCase{12, 4.47}, FormFactorCase{11.5, 4.47}, FormFactorCase{100, 3.75}, FormFactorCase{110, 3.85},
        FormFactorCase{109.9, 3.75}, FormFactorCase{120, 3.85}, FormFactorCase{130, 3.96}, FormFactorCase{140, 3.96},
        FormFactorCase{150, 4.12}, FormFactorCase{160, 4.12}, FormFactorCase{170, 4.3}, FormFactorCase{180, 4.3},
        FormFactorCase{189.9, 4.3}, FormFactorCase{190, 4.47}, FormFactorCase{200, 4.47}, FormFactorCase{60, 3.73},
        FormFactorCase{80, 3.74}, FormFactorCase{40, 3.75}, FormFactorCase{30, 3.85}, FormFactorCase{25, 3.96},
        FormFactorCase{50, 3.73}),
    [](const testing::TestParamInfo<FormFactorCase>& info) {
        return caseName("zv " + number(info.param.zv), info.index);
    });

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
    EXPECT_DOUBLE_EQ(s.sigmaFP1, 200);
    EXPECT_DOUBLE_EQ(s.sigmaFP2, 180);
    EXPECT_DOUBLE_EQ(s.YF1, 4.12);
    EXPECT_DOUBLE_EQ(s.YF2, 3.74);
    EXPECT_DOUBLE_EQ(s.Psibm, 10);
    EXPECT_DOUBLE_EQ(s.kf, 1.5);
    EXPECT_DOUBLE_EQ(s.kfa, 1);
    EXPECT_DOUBLE_EQ(s.Ybeta, 1);
    EXPECT_NEAR(s.m, 3.147000, 5e-7);
}

TEST(BendingDesign, HelicalPair)
{
    CalcState s = hardenedPair(500, 450);
    ASSERT_FALSE(designTransmission(s, {"20", "12", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.YF1, 4.12);
    EXPECT_DOUBLE_EQ(s.YF2, 3.74);
    EXPECT_NEAR(s.epsalpha, 1.643290, 5e-7);
    EXPECT_NEAR(s.kfa, 0.669389, 5e-7);
    EXPECT_NEAR(s.Ybeta, 0.914286, 5e-7);
    EXPECT_NEAR(s.m, 2.652275, 5e-7);
}

TEST(BendingDesign, PinionGovernsWhenItIsWeakerAndTheWheelOnATie)
{
    // σFP/YF: pinion 0.4·300/4.12 = 29.13 against the wheel's 0.4·450/3.74 = 48.13.
    CalcState weakPinion = hardenedPair(300, 450);
    ASSERT_FALSE(designTransmission(weakPinion, {"20", "", "100", "4"}).refused());
    const double pinion = std::cbrt(2 * 4.12 * 1.5 * 100 * 1000 / (10 * 20 * 120.0));
    EXPECT_NEAR(weakPinion.m, pinion, 1e-12);

    EXPECT_NE(decisionsOf(weakPinion).find("шестерня слабее"), std::string::npos);

    // An exact tie: U = 1 gives both gears 20 teeth and the same Y_F, and
    // both take the same steel. The wheel is taken.
    CalcState tie = hardenedPair(450, 450);
    ASSERT_FALSE(designTransmission(tie, {"20", "", "100", "1"}).refused());
    ASSERT_EQ(tie.sigmaFP1 / tie.YF1, tie.sigmaFP2 / tie.YF2);
    EXPECT_NE(decisionsOf(tie).find("колесо слабее"), std::string::npos) << decisionsOf(tie);
}

TEST(ContactDesign, SpurPairOfSoftTeeth)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    s.isHB = true;
    s.sigmaH1 = 480;
    s.Sh = 1.1;
    s.sigmaF2 = 297;
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_NEAR(s.sigmaHP1, 392.7273, 5e-5);
    EXPECT_DOUBLE_EQ(s.Psiba, 0.2);
    EXPECT_NEAR(s.aw, 24.44279, 5e-6);
    EXPECT_NEAR(s.bw, 4.888559, 5e-7);
    EXPECT_NEAR(s.m, 0.2113358, 5e-8);
    EXPECT_DOUBLE_EQ(s.YF1, 4);
    EXPECT_DOUBLE_EQ(s.km, 6);
    EXPECT_DOUBLE_EQ(s.kha, 1);
    EXPECT_DOUBLE_EQ(s.kh, 1.5);
}

TEST(ContactDesign, HelicalTeethTakeTheirConstants)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    s.isHB = true;
    s.sigmaH1 = 480;
    s.sigmaF2 = 297;
    ASSERT_FALSE(designTransmission(s, {"20", "8", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.kha, 1.15);
    EXPECT_DOUBLE_EQ(s.km, 3.8);
    // σHP1 = 0.9·480/1 = 432; aw = 5·∛((270/(432·4))²·1.15·1.5·400/0.2).
    EXPECT_NEAR(s.aw, 21.9174346359364, 1e-12);
    EXPECT_NEAR(s.bw, 4.38348692718729, 1e-12);
    EXPECT_NEAR(s.m, 0.166466835808044, 1e-14);
}

TEST(TransmissionDesign, NeitherKindKeepsTheModule)
{
    CalcState s = startUpState();
    s.m = 2.75;
    ASSERT_FALSE(designTransmission(s, {"20", "", "100", "4"}).refused());
    EXPECT_DOUBLE_EQ(s.m, 2.75);
}

struct RefusedDesign {
    TransmissionInput input;
    const char* word; // a word the refusal names
};

class RefusedTransmission : public testing::TestWithParam<RefusedDesign> {};

TEST_P(RefusedTransmission, NamesTheCauseAndWritesNothing)
{
    CalcState s = hardenedPair(500, 450);
    s.m = 7;
    const CalcState before = s;
    const Outcome outcome = designTransmission(s, GetParam().input);
    ASSERT_TRUE(outcome.refused());
    EXPECT_TRUE(outcome.beep);
    EXPECT_FALSE(outcome.leave);
    EXPECT_NE(outcome.refusal.text().find(GetParam().word), std::string::npos) << outcome.refusal;
    EXPECT_TRUE(sameCalculation(s, before));
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, RefusedTransmission,
    testing::Values(RefusedDesign{{"", "", "100", "4"}, "Z1"}, RefusedDesign{{"-20", "", "100", "4"}, "Z1"},
                    RefusedDesign{{"1e309", "", "100", "4"}, "Z1"}, RefusedDesign{{"20", "-5", "100", "4"}, "Угол"},
                    RefusedDesign{{"20", "90", "100", "4"}, "Угол"}, RefusedDesign{{"20", "", "", "4"}, "момент"},
                    RefusedDesign{{"20", "", "0", "4"}, "момент"}, RefusedDesign{{"20", "", "100", ""}, "отношение"},
                    RefusedDesign{{"20", "", "100", "abc"}, "отношение"}, RefusedDesign{{"1", "10", "100", "4"}, "εα"},
                    RefusedDesign{{"20", "", "1e308", "1e308"}, "конечного"}),
    [](const testing::TestParamInfo<RefusedDesign>& info) {
        const TransmissionInput& in = info.param.input;
        return caseName("Z1 " + in.Z1 + " beta " + in.beta + " T " + in.T1 + " U " + in.U, info.index);
    });

TEST(TransmissionDesign, RefusesMissingMaterialLimits)
{
    CalcState hardened = hardenedPair(0, 450);
    EXPECT_TRUE(designTransmission(hardened, {"20", "", "100", "4"}).refused());
    CalcState soft = startUpState();
    soft.isHB = true;
    soft.sigmaF2 = 297;
    EXPECT_TRUE(designTransmission(soft, {"20", "", "100", "4"}).refused()) << "no contact limit";
}

CalcState checkState(double sigmaF1)
{
    CalcState s = startUpState();
    chooseCheckMode(s);
    s.sigmaF1 = sigmaF1;
    return s;
}

TEST(CheckCalculation, SpurAndHelicalWheels)
{
    CalcState s = checkState(500);
    const Outcome outcome = checkPermissibleLoad(s, {"240", "60", "", "40"});
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome.next, ScreenId::result);
    EXPECT_FALSE(outcome.leave) << "the input stays open under the result";
    EXPECT_DOUBLE_EQ(s.m, 4);
    EXPECT_DOUBLE_EQ(s.Psibm, 10);
    EXPECT_DOUBLE_EQ(s.Ybeta, 1);
    EXPECT_NEAR(s.Tcalc, 9600, 1e-9);

    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "10", "40"}).refused());
    EXPECT_NEAR(s.m, 3.939235, 5e-7);
    EXPECT_NEAR(s.Psibm, 10.15426, 5e-6);
    EXPECT_NEAR(s.Tcalc, 9454.163, 5e-4);
}

TEST(CheckCalculation, UsesTheDefaultTransverseFactorNotALeftover)
{
    CalcState s = checkState(500);
    s.kfa = 0.669389; // left by an unfinished helical design
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    EXPECT_NEAR(s.Tcalc, 9600, 1e-9);
    s.defaults.kfa = 2; // changed on the parameters screen
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    EXPECT_NEAR(s.Tcalc, 4800, 1e-9);
}

TEST(CheckCalculation, AnUnsetLimitCarriesNoLoad)
{
    CalcState s = checkState(0);
    ASSERT_FALSE(checkPermissibleLoad(s, {"240", "60", "", "40"}).refused());
    EXPECT_DOUBLE_EQ(s.Tcalc, 0);
}

class RefusedCheck : public testing::TestWithParam<CheckInput> {};

TEST_P(RefusedCheck, WritesNothing)
{
    CalcState s = checkState(500);
    s.Tcalc = 9600;
    const CalcState before = s;
    const Outcome outcome = checkPermissibleLoad(s, GetParam());
    EXPECT_TRUE(outcome.refused());
    EXPECT_FALSE(outcome.next);
    EXPECT_TRUE(sameCalculation(s, before));
}

INSTANTIATE_TEST_SUITE_P(BadInputs, RefusedCheck,
                         testing::Values(CheckInput{"", "60", "", "40"}, CheckInput{"240", "0", "", "40"},
                                         CheckInput{"240", "-60", "", "40"}, CheckInput{"240", "60", "-1", "40"},
                                         CheckInput{"240", "60", "90", "40"}, CheckInput{"240", "60", "", "0"},
                                         CheckInput{"1e309", "60", "", "40"},
                                         CheckInput{"1e300", "1e-300", "", "1e300"}),
                         [](const testing::TestParamInfo<CheckInput>& info) {
                             const CheckInput& in = info.param;
                             return caseName("d " + in.d + " z " + in.z + " beta " + in.beta + " b " + in.b,
                                             info.index);
                         });

} // namespace
} // namespace gear
