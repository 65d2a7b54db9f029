// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/steel_table.h"
#include "material/treatment_method.h"
#include "shell/mode_commands.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <regex>

namespace gear {
namespace {

struct Limits {
    double sigmaH1, sigmaH2, sigmaF1, sigmaF2;
};

void expectLimits(const CalcState& s, Limits expected)
{
    EXPECT_DOUBLE_EQ(s.sigmaH1, expected.sigmaH1);
    EXPECT_DOUBLE_EQ(s.sigmaH2, expected.sigmaH2);
    EXPECT_DOUBLE_EQ(s.sigmaF1, expected.sigmaF1);
    EXPECT_DOUBLE_EQ(s.sigmaF2, expected.sigmaF2);
}

// One design pass through the material screens: the hardness row, the
// treatment and the steel, as a student takes them.
struct DesignPass {
    int hardnessRow;
    int treatment; // option on BNormal2 (rows 1–2) or Czakalka2 (rows 3–7)
    int grade;     // option on the steel screen; ignored for nitriding
    Limits expected;
};

class MaterialLimits : public testing::TestWithParam<DesignPass> {};

TEST_P(MaterialLimits, FollowTheHardnessTreatmentAndGrade)
{
    const DesignPass& pass = GetParam();
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    const Outcome hardness = recommendHardness(s, pass.hardnessRow);
    ASSERT_TRUE(hardness.next);
    const Outcome treatment = *hardness.next == ScreenId::BNormal2 ? chooseThroughHardening(s, pass.treatment)
                                                                   : chooseSurfaceHardening(s, pass.treatment);
    ASSERT_TRUE(treatment.next);
    if (*treatment.next != ScreenId::Vvod2) {
        const Outcome steel = chooseSteelGrade(s, *treatment.next, pass.grade);
        EXPECT_EQ(steel.next, ScreenId::Vvod2);
        EXPECT_TRUE(steel.leave);
    }
    expectLimits(s, pass.expected);
    // A rule without its constant is written without it: «1,8·H», not «1,8·H + 0».
    for (const StepGroup& group : *s.walkthrough.of(Mode::Transmission)) {
        for (const Step& step : group.steps)
            EXPECT_FALSE(std::regex_search(step.formula, std::regex("[+-] 0([^.,0-9]|$)"))) << step.formula;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedPasses, MaterialLimits,
                         testing::Values(DesignPass{2, 2, 3, {710, 590, 576, 468}},         // improved, any grade
                                         DesignPass{1, 1, 3, {377.5, 317.5, 307.5, 247.5}}, // normalised 40ГЛ
                                         DesignPass{1, 1, 2, {336.5, 284.5, 266.5, 214.5}}, // normalised 50Л
                                         DesignPass{5, 3, 2, {1368.5, 1368.5, 820, 820}},   // carburised 12ХН3А
                                         DesignPass{5, 3, 1, {1211.5, 1211.5, 950, 950}},   // carburised 18ХГТ
                                         DesignPass{7, 5, 0, {1050, 1050, 366, 366}},       // nitrided, H = 55
                                         DesignPass{4, 2, 1, {1104, 1104, 600, 600}},       // HFC, Сталь 40
                                         DesignPass{4, 2, 4, {1101, 1101, 700, 700}},       // HFC, Сталь 40ХН
                                         DesignPass{3, 1, 1, {1023, 1023, 550, 550}},       // through-hardened 40Х
                                         DesignPass{3, 1, 5, {1023, 1023, 500, 500}},       // through-hardened 45
                                         DesignPass{6, 4, 0, {1368.5, 1368.5, 750, 750}}),
                         [](const testing::TestParamInfo<DesignPass>& info) {
                             const DesignPass& p = info.param;
                             return caseName("row " + std::to_string(p.hardnessRow) + " treatment " +
                                                 std::to_string(p.treatment) + " grade " + std::to_string(p.grade),
                                             info.index);
                         }); // nitrocarburised

TEST(HardnessRecommendation, TheRowTakenLastDecidesTheKind)
{
    CalcState s = startUpState();
    EXPECT_EQ(recommendHardness(s, 2).next, ScreenId::BNormal2);
    EXPECT_TRUE(s.isHB && !s.isHRC);
    EXPECT_EQ(recommendHardness(s, 4).next, ScreenId::Czakalka2);
    EXPECT_TRUE(s.isHRC && !s.isHB);
    EXPECT_DOUBLE_EQ(s.H1, 53);
    // An HFC-hardened steel after an improved design takes the HRC rule.
    chooseTransmissionMode(s);
    chooseSteelGrade(s, ScreenId::stal2, 2);
    EXPECT_DOUBLE_EQ(s.sigmaH1, 18 * 53 + 150);
}

TEST(HardnessRecommendation, NothingMarkedChangesNothing)
{
    CalcState s = startUpState();
    const Outcome outcome = recommendHardness(s, 0);
    EXPECT_FALSE(outcome.next);
    EXPECT_FALSE(outcome.leave);
    EXPECT_FALSE(s.H1.isWritten());
    EXPECT_FALSE(s.isHB || s.isHRC);
}

TEST(TreatmentMethod, SetsTheSafetyFactorEvenWithNothingMarked)
{
    CalcState s = startUpState();
    EXPECT_FALSE(chooseThroughHardening(s, 0).leave);
    EXPECT_DOUBLE_EQ(s.Sh, 1.1);
    EXPECT_FALSE(chooseSurfaceHardening(s, 0).leave);
    EXPECT_DOUBLE_EQ(s.Sh, 1.2);
}

TEST(TreatmentMethod, NitridingOutsideAnyModeWritesLimitsAndStays)
{
    CalcState s = startUpState();
    s.H1 = 55;
    s.H2 = 55;
    const Outcome outcome = chooseSurfaceHardening(s, 5);
    EXPECT_FALSE(outcome.next);
    EXPECT_FALSE(outcome.leave);
    EXPECT_DOUBLE_EQ(s.sigmaF1, 366);
}

TEST(SteelGrade, AGradeDependentRuleWaitsForAGrade)
{
    for (ScreenId screen : {ScreenId::stal1, ScreenId::stal4}) {
        CalcState s = startUpState();
        chooseTransmissionMode(s);
        s.sigmaH1 = 111;
        const Outcome outcome = chooseSteelGrade(s, screen, 0);
        EXPECT_FALSE(outcome.leave);
        EXPECT_FALSE(outcome.next);
        EXPECT_DOUBLE_EQ(s.sigmaH1, 111);
    }
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 4);
    EXPECT_FALSE(chooseSteelGrade(s, ScreenId::stal2, 0).leave) << "HRC rules need a grade";
    recommendHardness(s, 2);
    EXPECT_EQ(chooseSteelGrade(s, ScreenId::stal2, 0).next, ScreenId::Vvod2) << "the HB rule needs none";
}

TEST(SteelGrade, GradeFreeRulesMoveOnWithoutAGrade)
{
    CalcState s = startUpState();
    chooseCheckMode(s);
    EXPECT_EQ(chooseSteelGrade(s, ScreenId::stal3, 0).next, ScreenId::Vvod3);
    expectLimits(s, {150, 150, 550, 550});
    EXPECT_EQ(chooseSteelGrade(s, ScreenId::stal5, 0).next, ScreenId::Vvod3);
    expectLimits(s, {0, 0, 750, 750});
}

TEST(SteelGrade, OutsideAnyModeClosesAndOpensNothing)
{
    CalcState s = startUpState();
    const Outcome outcome = chooseSteelGrade(s, ScreenId::stal5, 1);
    EXPECT_TRUE(outcome.leave);
    EXPECT_FALSE(outcome.next);
}

// Every grade a steel screen offers is a steel of the final table, so the
// final choice can take the grade the student began with; and the screens
// offer each grade once.
TEST(SteelGrade, OffersOnlyGradesTheFinalTableHolds)
{
    for (const ScreenId screen :
         {ScreenId::stal1, ScreenId::stal2, ScreenId::stal3, ScreenId::stal4, ScreenId::stal5}) {
        const auto& grades = steelScreenContent(screen).grades;
        ASSERT_FALSE(grades.empty()) << screenName(screen);
        for (size_t i = 0; i < grades.size(); ++i) {
            EXPECT_TRUE(std::any_of(kSteelRows.begin(), kSteelRows.end(),
                                    [&](const SteelRow& row) { return row.gradeName == grades[i]; }))
                << screenName(screen) << " " << grades[i];
            EXPECT_EQ(std::count(grades.begin(), grades.end(), grades[i]), 1) << screenName(screen) << " " << grades[i];
        }
    }
}

// The check mode: the requirement sets the kind and the treatment the
// hardness, so the limits never depend on an earlier pass.
struct CheckPass {
    int requirement;
    int treatment;
    int grade;
    Limits expected;
};

class CheckModeLimits : public testing::TestWithParam<CheckPass> {};

TEST_P(CheckModeLimits, DoNotDependOnEarlierPasses)
{
    const CheckPass& pass = GetParam();
    for (int earlierRow : {0, 1, 2, 5, 7}) {
        CalcState s = startUpState();
        if (earlierRow > 0) {
            chooseTransmissionMode(s);
            recommendHardness(s, earlierRow);
        }
        chooseCheckMode(s);
        const Outcome requirement = chooseRequirements(s, pass.requirement);
        ASSERT_TRUE(requirement.next);
        const Outcome treatment = *requirement.next == ScreenId::BNormal2 ? chooseThroughHardening(s, pass.treatment)
                                                                          : chooseSurfaceHardening(s, pass.treatment);
        ASSERT_TRUE(treatment.next);
        if (*treatment.next != ScreenId::Vvod3) {
            EXPECT_EQ(chooseSteelGrade(s, *treatment.next, pass.grade).next, ScreenId::Vvod3);
        }
        expectLimits(s, pass.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(AllTreatments, CheckModeLimits,
                         testing::Values(CheckPass{2, 1, 1, {414.5, 414.5, 344.5, 344.5}}, // normalised, 265 HB
                                         CheckPass{2, 2, 1, {600, 600, 477, 477}},         // improved, 265 HB
                                         CheckPass{1, 1, 1, {1059, 1059, 550, 550}},       // through-hardened, 50.5 HRC
                                         CheckPass{1, 2, 2, {1104, 1104, 600, 600}},       // HFC, 53 HRC
                                         CheckPass{1, 3, 1, {1220, 1220, 950, 950}},       // carburised, 60 HRC
                                         CheckPass{1, 4, 1, {1368.5, 1368.5, 750, 750}},   // nitrocarburised, 59.5 HRC
                                         CheckPass{1, 5, 0, {1050, 1050, 366, 366}}),
                         [](const testing::TestParamInfo<CheckPass>& info) {
                             const CheckPass& p = info.param;
                             return caseName("requirement " + std::to_string(p.requirement) + " treatment " +
                                                 std::to_string(p.treatment) + " grade " + std::to_string(p.grade),
                                             info.index);
                         }); // nitrided, 55 HRC

TEST(ManufacturingRequirements, NothingMarkedClosesAndKeepsRigid)
{
    CalcState s = startUpState();
    chooseRequirements(s, 1);
    const Outcome outcome = chooseRequirements(s, 0);
    EXPECT_TRUE(outcome.leave);
    EXPECT_FALSE(outcome.next);
    EXPECT_TRUE(s.rigid);
}

TEST(FinalMaterial, StoresTheRowsLimitsOrForgetsTheGrade)
{
    CalcState s = startUpState();
    EXPECT_EQ(chooseFinalSteel(s, 27).next, ScreenId::okonchanie);
    expectLimits(s, {1360, 1360, 950, 950});
    EXPECT_EQ(s.steelGrade, "Сталь 18ХГТ");
    chooseFinalSteel(s, 29);
    expectLimits(s, {1050, 1050, 340, 340});
    EXPECT_EQ(s.steelGrade, "Сталь 30Х2МЮА");
    s.sigmaF1 = 210.944;
    for (int none : {0, -1}) {
        const Outcome outcome = chooseFinalSteel(s, none);
        EXPECT_EQ(outcome.next, ScreenId::okonchanie);
        EXPECT_EQ(s.steelGrade, "");
        EXPECT_DOUBLE_EQ(s.sigmaF1, 210.944);
    }
}

} // namespace
} // namespace gear
