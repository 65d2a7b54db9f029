// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"
#include "geometry/preferred_size.h"
#include "geometry/wheel_body.h"
#include "geometry/wheel_input.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace gear {
namespace {

struct SizeCase {
    double x;
    double size;
};

class NearestStdSize : public testing::TestWithParam<SizeCase> {};

TEST_P(NearestStdSize, RoundsToThePreferredSeries)
{
    EXPECT_DOUBLE_EQ(nearestStdSize(kStdSizes, GetParam().x), GetParam().size) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Sizes, NearestStdSize,
                         testing::Values(SizeCase{45, 45}, SizeCase{46.5, 48}, SizeCase{46.4, 45}, SizeCase{39, 40},
                                         SizeCase{51, 50}, SizeCase{3874, 3750}, SizeCase{3875, 4000}, SizeCase{12, 12},
                                         SizeCase{4000, 4000}, SizeCase{0, 0},
                                         // Never nothing, never a leftover:
                                         SizeCase{3.5, 12}, SizeCase{5, 12}, SizeCase{11.9, 12}, SizeCase{0.001, 12},
                                         SizeCase{4000.5, 4000}, SizeCase{1e9, 4000}, SizeCase{-3, 0}),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                             return caseName("x " + number(info.param.x), info.index);
                         });

struct RimCase {
    double m;
    double kDelta;
    double kC;
};

class RimTable : public testing::TestWithParam<RimCase> {};

TEST_P(RimTable, GivesEveryModuleItsCoefficients)
{
    const RimCoefficients k = rimCoefficients(GetParam().m);
    EXPECT_NEAR(k.kDelta, GetParam().kDelta, 1e-12) << GetParam().m;
    EXPECT_NEAR(k.kC, GetParam().kC, 1e-12) << GetParam().m;
}

INSTANTIATE_TEST_SUITE_P(Modules, RimTable,
                         testing::Values(RimCase{1, 4, 4.8}, RimCase{1.5, 3.8, 4.5}, RimCase{2.5, 3.5, 4.2},
                                         RimCase{3, 3.3, 4}, RimCase{4, 3, 3.6}, RimCase{5, 2.8, 3.4},
                                         RimCase{6, 2.5, 3}, RimCase{7, 2.5, 3}, RimCase{20, 2.5, 3},
                                         RimCase{2, 3.65, 4.35}, RimCase{3.5, 3.15, 3.8}, RimCase{1.75, 3.725, 4.425},
                                         RimCase{2.25, 3.575, 4.275}, RimCase{2.75, 3.4, 4.1}, RimCase{4.5, 2.9, 3.5},
                                         RimCase{5.5, 2.65, 3.2}),
                         [](const testing::TestParamInfo<RimCase>& info) {
                             return caseName("m " + number(info.param.m), info.index);
                         });

struct SketchCase {
    double da;
    ScreenId screen;
};

class WheelSketch : public testing::TestWithParam<SketchCase> {};

TEST_P(WheelSketch, FollowsTheTipDiameter)
{
    EXPECT_EQ(wheelSketchScreen(GetParam().da), GetParam().screen) << GetParam().da;
}

INSTANTIATE_TEST_SUITE_P(Bounds, WheelSketch,
                         testing::Values(SketchCase{105, ScreenId::vivod1}, SketchCase{249.99, ScreenId::vivod1},
                                         SketchCase{250, ScreenId::vivod2}, SketchCase{600, ScreenId::vivod2},
                                         SketchCase{600.01, ScreenId::vivod3}),
                         [](const testing::TestParamInfo<SketchCase>& info) {
                             return caseName("da " + number(info.param.da), info.index);
                         });

TEST(ResultsDrawing, FollowsThePinionsTipDiameterWithItsOwnBounds)
{
    const std::pair<double, int> cases[] = {{55, 1}, {250, 1}, {250.01, 2}, {600, 2}, {600.5, 3}, {5000, 3}};
    for (const auto& [da, picture] : cases)
        EXPECT_EQ(drawingPicture(da), picture) << da;
}

CalcState designedPair(double beta)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    s.Z1 = 20;
    s.Z2 = 80;
    s.U = 4;
    s.Uf = 4;
    s.beta = beta;
    s.T1 = 100;
    s.T2 = 400;
    s.YF1 = 4.12;
    s.YF2 = 3.73;
    s.Sh = 1.2; // set by the treatment, reset by the choice
    s.kfa = 0.7;
    return s;
}

// Each load factor of the set scales the working stress it enters: the
// bending stress in proportion, the contact stress as its square root. The
// module's Ok counts with the set in force.
TEST(ModuleChoice, EachLoadFactorScalesTheStressItEnters)
{
    struct Factor {
        const char* name;
        void (*set)(CalcState&, double);
        bool bending;
    };
    const Factor factors[] = {
        {"KFβ", [](CalcState& s, double k) { s.defaults.kfb = k; }, true},
        {"KFv", [](CalcState& s, double k) { s.defaults.kfv = k; }, true},
        {"KFα", [](CalcState& s, double k) { s.defaults.kfa = k; }, true},
        {"KHβ", [](CalcState& s, double k) { s.defaults.khb = k; }, false},
        {"KHv", [](CalcState& s, double k) { s.defaults.khv = k; }, false},
        {"KHα", [](CalcState& s, double k) { s.defaults.kha = k; }, false},
    };
    for (const double beta : {0.0, 15.0}) {
        CalcState base = designedPair(beta);
        ASSERT_FALSE(chooseModule(base, "2.5", "").refused());
        for (const Factor& f : factors) {
            CalcState s = designedPair(beta);
            f.set(s, 1.3);
            ASSERT_FALSE(chooseModule(s, "2.5", "").refused());
            SCOPED_TRACE(std::string(f.name) + " at β " + std::to_string(beta));
            EXPECT_NEAR(s.sigmaF1 / base.sigmaF1, f.bending ? 1.3 : 1.0, 1e-12);
            EXPECT_NEAR(s.sigmaF2 / base.sigmaF2, f.bending ? 1.3 : 1.0, 1e-12);
            EXPECT_NEAR(s.sigmaH1 / base.sigmaH1, f.bending ? 1.0 : std::sqrt(1.3), 1e-12);
        }
    }
}

TEST(ModuleChoice, TransmissionGeometryAndWorkingStresses)
{
    CalcState s = designedPair(0);
    const Outcome choice = chooseModule(s, "2.5", "");
    ASSERT_FALSE(choice.refused()) << choice.refusal;
    EXPECT_EQ(choice.next, ScreenId::okon);
    EXPECT_TRUE(s.row1Chosen);
    EXPECT_FALSE(s.row2Chosen);
    EXPECT_DOUBLE_EQ(s.Sh, 1);
    EXPECT_DOUBLE_EQ(s.kfa, 1);
    EXPECT_DOUBLE_EQ(s.m, 2.5);
    EXPECT_DOUBLE_EQ(s.d, 50);
    EXPECT_DOUBLE_EQ(s.d2, 200);
    EXPECT_DOUBLE_EQ(s.df, 43.75);
    EXPECT_DOUBLE_EQ(s.df2, 193.75);
    EXPECT_DOUBLE_EQ(s.da, 55);
    EXPECT_DOUBLE_EQ(s.da2, 205);
    EXPECT_DOUBLE_EQ(s.aw, 125);
    EXPECT_DOUBLE_EQ(s.Psibm, 10);
    EXPECT_DOUBLE_EQ(s.bw, 25);
    EXPECT_DOUBLE_EQ(s.bw1, 25);
    EXPECT_DOUBLE_EQ(s.bw2, 25);
    // YF1 = 4.12 (20 teeth), YF2 = 3.74 (80), Ft1 = 4000 N, the load
    // factors of the set all 1.
    EXPECT_DOUBLE_EQ(s.YF2, 3.74) << "from the table, not the design's";
    EXPECT_NEAR(s.sigmaF1, 263.68, 1e-9);
    EXPECT_NEAR(s.sigmaF2, 239.36, 1e-9);
    EXPECT_NEAR(s.sigmaH1, 880, 1e-9); // 440·√(4000/(25·50)·5/4)
    EXPECT_DOUBLE_EQ(s.sigmaH2, s.sigmaH1) << "one contact stress in a mesh";
    EXPECT_DOUBLE_EQ(s.Zk, 1);
    EXPECT_DOUBLE_EQ(s.Sf, 1.2);
}

TEST(ModuleChoice, HelicalPitchDiameterUsesTheCoursesPi)
{
    CalcState s = designedPair(10);
    ASSERT_FALSE(chooseModule(s, "2.5", "").refused());
    EXPECT_NEAR(s.d, 50.77128, 5e-6);
}

TEST(ModuleChoice, StressesAreComputedEvenAfterAWheelPass)
{
    CalcState s = designedPair(0);
    s.wheelEntered = true;
    s.sigmaF1 = 950; // a material limit
    ASSERT_FALSE(chooseModule(s, "2.5", "").refused());
    EXPECT_NEAR(s.sigmaF1, 263.68, 1e-9);
}

struct WrongChoice {
    const char* row1;
    const char* row2;
    double mAfter;
};

class WrongModuleChoice : public testing::TestWithParam<WrongChoice> {};

TEST_P(WrongModuleChoice, OpensTheErrorScreenWithTheBeep)
{
    CalcState s = designedPair(0);
    s.m = 3.147;
    s.d = 77;
    const Outcome choice = chooseModule(s, GetParam().row1, GetParam().row2);
    EXPECT_EQ(choice.next, ScreenId::oshibka1);
    EXPECT_TRUE(choice.beep);
    EXPECT_TRUE(choice.leave);
    EXPECT_DOUBLE_EQ(s.m, GetParam().mAfter);
    EXPECT_DOUBLE_EQ(s.d, 77) << "no geometry";
    EXPECT_DOUBLE_EQ(s.Sh, 1) << "the reset still runs";
}

INSTANTIATE_TEST_SUITE_P(Choices, WrongModuleChoice,
                         testing::Values(WrongChoice{"", "", 3.147}, WrongChoice{"2.5", "2.75", 2.75}),
                         [](const testing::TestParamInfo<WrongChoice>& info) {
                             return caseName(std::string("row1 ") + info.param.row1 + " row2 " + info.param.row2,
                                             info.index);
                         });

struct RefusedModuleCase {
    const char* row1;
    const char* row2;
    const char* words;
};

class RefusedModule : public testing::TestWithParam<RefusedModuleCase> {};

// Any module from above 0 to ГОСТ 9563-80's 100 mm, in either row, on every
// front-end: the rows are typed into as well as chosen from.
TEST_P(RefusedModule, SaysWhyAndWritesNoModule)
{
    CalcState s = designedPair(0);
    s.m = 3.147;
    const Outcome choice = chooseModule(s, GetParam().row1, GetParam().row2);
    EXPECT_TRUE(choice.refused());
    EXPECT_FALSE(choice.next);
    EXPECT_NE(choice.refusal.text().find(GetParam().words), std::string::npos) << choice.refusal;
    EXPECT_DOUBLE_EQ(s.m, 3.147);
}

INSTANTIATE_TEST_SUITE_P(Modules, RefusedModule,
                         testing::Values(RefusedModuleCase{"abc", "", "Введите модуль"},
                                         RefusedModuleCase{" ", "", "Введите модуль"},
                                         RefusedModuleCase{"", "-2", "больше 0 и не больше 100"},
                                         RefusedModuleCase{"0", "", "больше 0 и не больше 100"},
                                         RefusedModuleCase{"100.5", "", "больше 0 и не больше 100"},
                                         RefusedModuleCase{"1e309", "", "больше 0 и не больше 100"}),
                         [](const testing::TestParamInfo<RefusedModuleCase>& info) {
                             return caseName(std::string("row1 ") + info.param.row1 + " row2 " + info.param.row2,
                                             info.index);
                         });

TEST(ModuleChoice, TakesAnyModuleUpToTheLargestOfTheStandard)
{
    for (const char* module : {"1", "1.25", "2.6", "100"}) {
        CalcState s = designedPair(0);
        EXPECT_FALSE(chooseModule(s, "", module).refused()) << module;
        EXPECT_DOUBLE_EQ(s.m, numberFromText(module));
    }
}

TEST(ModuleChoice, RefusesWhatWouldDivideByZero)
{
    CalcState s = designedPair(0);
    s.T1 = 100;
    s.Uf = 0;
    s.Z2 = 0; // a ratio so small the wheel has no teeth
    s.da = 42;
    const Outcome choice = chooseModule(s, "2.5", "");
    EXPECT_TRUE(choice.refused());
    EXPECT_FALSE(choice.next);
    EXPECT_DOUBLE_EQ(s.da, 42) << "the state keeps its earlier values";
    EXPECT_TRUE(allFinite(s));
}

TEST(WheelInput, DerivesTheModuleFromTheTipDiameter)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    EXPECT_EQ(enterWheel(s, {"40", "", "30", "84", "20", "45"}).next, ScreenId::Vibor);
    EXPECT_DOUBLE_EQ(s.mcalc, 2);
    EXPECT_TRUE(s.wheelEntered);
    ASSERT_FALSE(enterWheel(s, {"40", "10", "30", "84", "20", "45"}).refused());
    EXPECT_NEAR(s.mcalc, 1.971043, 5e-7);
    EXPECT_DOUBLE_EQ(s.Lst, 45);
    ASSERT_FALSE(enterWheel(s, {"4 0", "4,5", "30", "84", "20", "45"}).refused());
    EXPECT_DOUBLE_EQ(s.Z1, 40);
    EXPECT_DOUBLE_EQ(s.beta, 4.5) << "a decimal comma";
    ASSERT_FALSE(enterWheel(s, {"40 зубьев", " ", "30", "84", "20", "45"}).refused());
    EXPECT_DOUBLE_EQ(s.Z1, 40);
    EXPECT_DOUBLE_EQ(s.beta, 0) << "a blank helix angle is a spur wheel";
}

struct RefusedWheelCase {
    WheelInput input;
    const char* words;
};

class RefusedWheel : public testing::TestWithParam<RefusedWheelCase> {};

TEST_P(RefusedWheel, SaysWhyAndWritesNothing)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    const CalcState before = s;
    const Outcome outcome = enterWheel(s, GetParam().input);
    EXPECT_TRUE(outcome.refused());
    EXPECT_NE(outcome.refusal.text().find(GetParam().words), std::string::npos) << outcome.refusal;
    EXPECT_TRUE(sameCalculation(s, before));
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, RefusedWheel,
    testing::Values(RefusedWheelCase{{"", "", "30", "84", "20", "40"}, "Введите число зубьев"},
                    RefusedWheelCase{{"0", "", "30", "84", "20", "40"}, "целым, от 10 до 2000"},
                    RefusedWheelCase{{"-1", "", "30", "84", "20", "40"}, "целым, от 10 до 2000"},
                    RefusedWheelCase{{"9", "", "30", "84", "20", "40"}, "целым, от 10 до 2000"},
                    RefusedWheelCase{{"40.5", "", "30", "84", "20", "40"}, "целым, от 10 до 2000"},
                    RefusedWheelCase{{"40", "-1", "30", "84", "20", "40"}, "от 0 до 45 градусов"},
                    RefusedWheelCase{{"40", "60", "30", "84", "20", "40"}, "от 0 до 45 градусов"},
                    RefusedWheelCase{{"40", "", "", "84", "20", "40"}, "Введите диаметр вала"},
                    RefusedWheelCase{{"40", "", "-30", "84", "20", "40"}, "больше 0"},
                    RefusedWheelCase{{"40", "", "30", "", "20", "40"}, "Введите диаметр окружности вершин"},
                    RefusedWheelCase{{"40", "", "30", "-84", "20", "40"}, "не больше 4000"},
                    RefusedWheelCase{{"40", "", "30", "4001", "20", "40"}, "не больше 4000"},
                    RefusedWheelCase{{"40", "", "30", "1e309", "20", "40"}, "не больше 4000"},
                    RefusedWheelCase{{"40", "", "200", "105", "20", "40"}, "не помещается"},
                    RefusedWheelCase{{"40", "", "105", "105", "20", "40"}, "не помещается"},
                    RefusedWheelCase{{"40", "", "30", "84", "", "40"}, "Введите ширину зубчатого венца"},
                    RefusedWheelCase{{"40", "", "30", "84", "0", "40"}, "больше 0"},
                    RefusedWheelCase{{"40", "", "30", "84", "20", "abc"}, "Введите ширину ступицы"},
                    RefusedWheelCase{{"40", "", "30", "84", "20", "1e309"}, "не больше 4000"}),
    [](const testing::TestParamInfo<RefusedWheelCase>& info) {
        const WheelInput& in = info.param.input;
        return caseName("Z " + in.Z1 + " beta " + in.beta + " dv " + in.dv + " da " + in.da + " bw " + in.bw + " Lst " +
                            in.Lst,
                        info.index);
    });

// The shaft must be thinner than the root circle (df = 93.75 at m = 2.5):
// as thick is refused, a hair thinner is not refused for it.
TEST(WheelMode, AShaftAsThickAsTheRootCircleIsRefused)
{
    for (const auto& [shaft, refused] : {std::pair{"93.75", true}, std::pair{"93.7", false}}) {
        CalcState s = startUpState();
        chooseWheelMode(s);
        ASSERT_FALSE(enterWheel(s, {"40", "", shaft, "105", "20", "77"}).refused()) << shaft;
        const Outcome choice = chooseModule(s, "2.5", "");
        EXPECT_EQ(choice.refusal.text().find("не помещается в колесо") != std::string::npos, refused)
            << shaft << ": " << choice.refusal;
    }
}

// 10 and 2000 teeth are the wheel's limits, both taken; a hub length is
// any above 0, however short.
TEST(WheelMode, TakesTheFewestAndTheMostTeethAndAnyHubLength)
{
    for (const auto& [teeth, hub, taken] :
         {std::tuple{"10", "40", true}, std::tuple{"2000", "40", true}, std::tuple{"2001", "40", false},
          std::tuple{"40", "0.001", true}, std::tuple{"40", "0", false}, std::tuple{"40", "4000", true}}) {
        CalcState s = startUpState();
        chooseWheelMode(s);
        EXPECT_EQ(!enterWheel(s, {teeth, "", "30", "4000", "20", hub}).refused(), taken) << teeth << " " << hub;
    }
}

TEST(WheelMode, WholeWheelFromItsTipDiameter)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", "105", "20", "77"}).refused());
    const Outcome choice = chooseModule(s, "2.5", "");
    ASSERT_FALSE(choice.refused());
    EXPECT_EQ(choice.next, ScreenId::vivod1);
    EXPECT_DOUBLE_EQ(s.d, 100);
    EXPECT_DOUBLE_EQ(s.df, 93.75);
    EXPECT_DOUBLE_EQ(s.bw1, 20);
    EXPECT_DOUBLE_EQ(s.bw2, 0);
    EXPECT_DOUBLE_EQ(s.Delta0, 8.75);
    EXPECT_DOUBLE_EQ(s.C, 10.5);
    EXPECT_DOUBLE_EQ(s.dst, 51);
    EXPECT_DOUBLE_EQ(s.dstStd, 50);
    EXPECT_DOUBLE_EQ(s.Lst, 39);
    EXPECT_DOUBLE_EQ(s.LstStd, 40);
    EXPECT_DOUBLE_EQ(s.dvStd, 30);
    EXPECT_DOUBLE_EQ(s.Dk, 76.25);
    EXPECT_DOUBLE_EQ(s.D0, 63.625); // (76.25 + 51)/2: the circle of holes between rim and hub
    EXPECT_DOUBLE_EQ(s.d0, 6.3125);
    EXPECT_DOUBLE_EQ(s.L, 7);
    EXPECT_DOUBLE_EQ(s.R, 6);
    EXPECT_FALSE(s.sigmaF1.isWritten()) << "no stress check for a single wheel";
}

TEST(WheelMode, ModulesBetweenRimRowsStillSizeTheRim)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    s.C = 99; // from an earlier pass
    ASSERT_FALSE(enterWheel(s, {"84", "", "30", "300", "20", "40"}).refused());
    const Outcome choice = chooseModule(s, "", "3.5");
    ASSERT_FALSE(choice.refused());
    EXPECT_EQ(choice.next, ScreenId::vivod2);
    EXPECT_NEAR(s.Delta0, 3.15 * 3.5, 1e-12);
    EXPECT_NEAR(s.C, 3.8 * 3.5, 1e-12);
}

// A single wheel is built on the module taken: its diameters follow from m
// and z as a pair's do, and its sketch from that tip diameter; when it
// stands more than 1 % from the one typed, the sketch says so.
TEST(WheelMode, DiametersFollowTheModuleTaken)
{
    struct Case {
        const char* z;
        const char* beta;
        const char* da;
        const char* m;
        ScreenId sketch;
        bool noted;
    };
    for (const Case& c :
         {Case{"40", "", "105", "2.5", ScreenId::vivod1, false}, Case{"41", "", "105", "2.5", ScreenId::vivod1, true},
          Case{"61", "", "245", "4.0", ScreenId::vivod2, true},
          Case{"100", "12", "620", "6.0", ScreenId::vivod3, false},
          Case{"100", "12", "620", "5.5", ScreenId::vivod2, true}}) {
        CalcState s = startUpState();
        chooseWheelMode(s);
        ASSERT_FALSE(enterWheel(s, {c.z, c.beta, "30", c.da, "20", "40"}).refused());
        const Outcome choice = chooseModule(s, c.m, "");
        ASSERT_FALSE(choice.refused()) << choice.refusal;
        const double m = numberFromText(c.m);
        const double d = m * numberFromText(c.z) / std::cos(numberFromText(c.beta) * 3.1415 / 180);
        EXPECT_NEAR(s.d, d, 1e-9) << c.z << " " << c.m;
        EXPECT_NEAR(s.da, d + 2 * m, 1e-9);
        EXPECT_NEAR(s.df, d - 2.5 * m, 1e-9);
        EXPECT_EQ(choice.next, c.sketch) << c.z << " " << c.m;
        const Message note = wheelTipNote(s);
        EXPECT_EQ(!note.empty(), c.noted) << c.z << " " << c.m;
        if (c.noted) {
            EXPECT_NE(note.text().find(numberToText(s.da, 6, ".")), std::string::npos) << note;
            EXPECT_NE(note.text().find(c.da), std::string::npos) << note;
        }
    }
}

TEST(WheelMode, AShaftThatDoesNotFitTheRootCircleIsRefused)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    ASSERT_FALSE(enterWheel(s, {"40", "", "30", "84", "20", "40"}).refused());
    const Outcome choice = chooseModule(s, "0.5", ""); // df = 18.75 mm
    EXPECT_TRUE(choice.refused());
    EXPECT_NE(choice.refusal.text().find("не помещается"), std::string::npos) << choice.refusal;
    EXPECT_FALSE(s.df.isWritten());
}

} // namespace
} // namespace gear
