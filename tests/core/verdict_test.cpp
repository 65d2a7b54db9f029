// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/mesh_checks.h"
#include "geometry/pair_checks.h"
#include "geometry/standard_series.h"
#include "shell/angle.h"
#include "shell/number_text.h"
#include "strength/strength_verdict.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <tuple>
#include <string>
#include <vector>

namespace gear {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct WordCase {
    double delta;
    LoadWord word;
};

// The band is closed at both ends: +5 % and −15 % are still normal.
TEST(LoadWords, AtAndJustBeyondTheLimits)
{
    const WordCase cases[] = {{5, LoadWord::Normal},         {5.0001, LoadWord::Overload}, {-15, LoadWord::Normal},
                              {-15.0001, LoadWord::Reserve}, {0, LoadWord::Normal},        {60, LoadWord::Overload},
                              {-40, LoadWord::Reserve}};
    for (const WordCase& c : cases)
        EXPECT_EQ(loadWord(c.delta), c.word) << c.delta;
    // The same limits reached through the stresses themselves.
    EXPECT_EQ(verdictOf(105, 100)->word, LoadWord::Normal);
    EXPECT_EQ(verdictOf(105.01, 100)->word, LoadWord::Overload);
    EXPECT_EQ(verdictOf(85, 100)->word, LoadWord::Normal);
    EXPECT_EQ(verdictOf(84.99, 100)->word, LoadWord::Reserve);
    EXPECT_DOUBLE_EQ(verdictOf(510, 600)->delta, -15);
    EXPECT_FALSE(verdictOf(100, 0).has_value());
    EXPECT_FALSE(verdictOf(NAN, 100).has_value());
}

// Each word's sentence says what to do about it, and only that word's does.
TEST(LoadWords, SentenceAdvisesOnlyWhatTheWordCallsFor)
{
    const char* larger = "возьмите больший модуль";
    const char* smaller = "может хватить меньшего модуля";
    const struct {
        double sigma;
        const char* word;
        const char* advice;
    } cases[] = {{160, "перегрузка", larger}, {100, "норма", nullptr}, {60, "запас", smaller}};
    for (const auto& c : cases) {
        const VerdictRow row{"contact", "σH", Message::verbatim("Контактная прочность"), *verdictOf(c.sigma, 100)};
        const std::string sentence = verdictSentence(row).text();
        SCOPED_TRACE(sentence);
        EXPECT_NE(sentence.find(c.word), std::string::npos);
        for (const char* advice : {larger, smaller})
            EXPECT_EQ(sentence.find(advice) != std::string::npos, advice == c.advice) << advice;
    }
}

struct SteelCase {
    const char* name;
    double sigmaH, sigmaF1, sigmaF2, Sh;
    std::vector<int> rows; // worked out by hand from the table's limits
};

// A hardened pair: only the carburised steels carry 1060 MPa in contact
// (0.9·1360/1.2 = 1020, +3.9 %), and of them only those of 900 MPa and
// more in bending carry 350 MPa (0.4·820 = 328, +6.7 %). A soft pair:
// 480 MPa needs σH_lim ≥ 558.7 (row 24, 560, is +4.8 %), and 150 MPa rules
// out rows 23 and 29 (0.4·340 = 136, +10.3 %).
TEST(PassingSteels, MatchTheHandWorkedLists)
{
    const SteelCase cases[] = {
        {"hardened", 1060, 350, 330, 1.2, {21, 27, 28}},
        {"soft", 480, 140, 150, 1.1, {1,  4,  5,  6,  9,  10, 11, 12, 13, 14, 15,
                                      16, 17, 18, 19, 20, 21, 22, 24, 26, 27, 28}},
        {"none carries it", 1100, 300, 280, 1.2, {}},
    };
    for (const SteelCase& c : cases)
        EXPECT_EQ(passingSteels(c.sigmaH, c.sigmaF1, c.sigmaF2, c.Sh), c.rows) << c.name;
    EXPECT_TRUE(passingSteels(480, 150, 140, 0).empty());
}

struct ModuleCase {
    double mcalc, m;
    bool hardened;
    double overload; // per cent
    bool oversized;
};

// 2.7 computed: 2.5 is 8 % below, 1.08³ − 1 in bending, 1.08^1.5 − 1 in
// contact; 2.75 and 3 are the right and the next step, 3.5 two steps above.
TEST(ModuleTakenWarning, BelowEqualAndAbove)
{
    const ModuleCase cases[] = {
        {2.7, 2.5, true, 25.9712, false}, {2.7, 2.5, false, 12.2369, false}, {2.7, 2.75, true, 0, false},
        {2.7, 3, true, 0, false},         {2.7, 3.5, true, 0, true},         {2.5, 2.5, true, 0, false},
        {2.5, 2.75, false, 0, false},     {2.5, 3, false, 0, true},          {19, 20, true, 0, false},
    };
    for (const ModuleCase& c : cases) {
        const ModuleTaken taken = moduleTaken(c.mcalc, c.m, c.hardened);
        EXPECT_NEAR(taken.overload, c.overload, 1e-3) << c.mcalc << " " << c.m;
        EXPECT_EQ(taken.oversized, c.oversized) << c.mcalc << " " << c.m;
    }
}

struct GradeCase {
    double v;
    bool helical;
    int grade;
};

TEST(AccuracyGrade, AtEachSpeedBoundary)
{
    const GradeCase cases[] = {
        {0, false, 9},  {2, false, 9},      {2.001, false, 8}, {6, false, 8},     {6.001, false, 7},
        {10, false, 7}, {10.001, false, 6}, {0, true, 9},      {4, true, 9},      {4.001, true, 8},
        {10, true, 8},  {10.001, true, 7},  {15, true, 7},     {15.001, true, 6}, {40, true, 6},
    };
    for (const GradeCase& c : cases)
        EXPECT_EQ(accuracyGrade(c.v, c.helical), c.grade) << c.v << (c.helical ? " helical" : " spur");
    // 1000 rpm of a 60 mm pinion: π·60·1000/60000 = π m/s.
    EXPECT_NEAR(pitchLineSpeed(60, 1000), kPi, 1e-12);
}

// The forces by what they mean rather than by their formulas: the moment of
// Ft about the axis is T1, and the normal force leans 20° to the pitch
// plane and β to the axis.
TEST(MeshForces, HoldTheirRelations)
{
    for (const double beta : {0.0, 8.0, 15.0, 22.5, 40.0}) {
        const double d1 = 57.3;
        const MeshForces f = meshForces(125, d1, beta);
        const double b = beta * kPi / 180.0;
        EXPECT_NEAR(f.Ft * d1 / 2000.0, 125, 1e-9) << beta;
        EXPECT_NEAR(f.Fa / f.Ft, std::tan(b), 1e-4) << beta;
        EXPECT_NEAR(f.Fr * std::cos(b) / f.Ft, std::tan(20.0 * kPi / 180.0), 1e-4) << beta;
    }
    EXPECT_EQ(meshForces(125, 0, 10).Ft, 0);
}

TEST(Undercut, AtSeventeenTeethAndWhereTheHelixMovesIt)
{
    EXPECT_TRUE(undercutOf(16, 0).cut);
    EXPECT_NEAR(undercutOf(16, 0).xmin, 1.0 / 17.0, 1e-12);
    EXPECT_FALSE(undercutOf(17, 0).cut);
    EXPECT_EQ(undercutOf(17, 0).xmin, 0);
    // 14 teeth stop being undercut where 17·cos³β falls to 14.
    const double crossing = std::acos(std::cbrt(14.0 / 17.0)) * 180.0 / 3.1415;
    EXPECT_TRUE(undercutOf(14, crossing - 0.01).cut);
    EXPECT_GT(undercutOf(14, crossing - 0.01).xmin, 0);
    EXPECT_FALSE(undercutOf(14, crossing + 0.01).cut);
}

TEST(ContactRatios, OfKnownPairs)
{
    // 1.88 − 3.2·(1/20 + 1/80) = 1.68.
    EXPECT_NEAR(transverseContactRatio(20, 80, 0), 1.68, 1e-12);
    EXPECT_LT(transverseContactRatio(20, 80, 30), transverseContactRatio(20, 80, 0));
    EXPECT_EQ(faceContactRatio(25, 0, 2), 0);
    // 25·sin 15°/(2π) ≈ 1.0298.
    EXPECT_NEAR(faceContactRatio(25, 15, 2), 1.0298, 1e-3);
}

TEST(ActualRatio, AgainstItsTolerance)
{
    const RatioCheck exact = ratioCheck(4, 20, 80);
    EXPECT_EQ(exact.deviation, 0);
    EXPECT_TRUE(exact.within);
    EXPECT_EQ(ratioCheck(4.5, 20, 92).allowed, 2.5); // 4.5 itself keeps the tighter limit
    EXPECT_EQ(ratioCheck(4.51, 20, 92).allowed, 4);
    EXPECT_TRUE(ratioCheck(4.5, 20, 92).within);  // +2.2 %
    EXPECT_FALSE(ratioCheck(4.5, 20, 93).within); // +3.3 %
    EXPECT_TRUE(ratioCheck(5, 20, 103).within);   // +3 %
    EXPECT_FALSE(ratioCheck(5, 20, 105).within);  // +5 %
}

TEST(CentreDistance, NearestOfTheFirstRowAndTheHelixThatReachesIt)
{
    const std::pair<double, double> cases[] = {{125, 125}, {130, 125},   {142, 125}, {142.5, 160},
                                               {30, 40},   {9000, 5000}, {0, 0}};
    for (const auto& [aw, standard] : cases)
        EXPECT_EQ(standardCentreDistance(aw), standard) << aw;
    for (const double aw : {100.0, 104.0, 110.0}) {
        const auto beta = helixForCentreDistance(2, 20, 80, aw);
        ASSERT_TRUE(beta.has_value()) << aw;
        EXPECT_NEAR(cosDegrees(*beta), 2.0 * 100 / (2 * aw), 1e-12) << aw;
    }
    EXPECT_FALSE(helixForCentreDistance(2, 20, 80, 90).has_value());
}

// A pair the design has sized, with the module, teeth and pitch diameter
// the notes ask for before they say anything.
Quantities sizedPair(double m, double Z1, double Z2)
{
    Quantities pair;
    pair.m = m;
    pair.Z1 = Z1;
    pair.Z2 = Z2;
    pair.d = m * Z1;
    return pair;
}

// The pinion's blank, da1 + 6 mm, against the section the steel's limits
// hold for (row 13: up to 100 mm): the number the note gives decides.
TEST(SteelSizeLimit, TheBlankTheNoteNamesDecidesWhetherItIsTooLarge)
{
    for (const double da : {93.9, 94.0, 94.1}) {
        Quantities pair = sizedPair(2, 45, 90);
        pair.da = da;
        pair.bw2 = 20;
        pair.steelRow = 13;
        const std::string note = blankNote(pair).text();
        std::smatch blank;
        ASSERT_TRUE(std::regex_search(note, blank, std::regex("Dзаг = da1 \\+ 6 = ([0-9.,]+) мм"))) << note;
        const double D = numberFromText(blank[1].str());
        EXPECT_NEAR(D, da + 6, 1e-9) << note;
        EXPECT_EQ(blankTooLarge(pair), D > 100) << note;
        EXPECT_EQ(note.find("заготовка больше") != std::string::npos, D > 100) << note;
    }
}

// The pinion's rim is made 5 mm wider than the wheel's: the note gives the
// width that makes it so, and is silent once the rim is that wide.
TEST(PinionRim, TheNoteGivesTheWheelsRimAndFiveMillimetres)
{
    for (const auto& [bw1, bw2, said] : {std::tuple{25.0, 25.0, true}, std::tuple{29.9, 25.0, true},
                                          std::tuple{30.0, 25.0, false}, std::tuple{40.0, 36.0, true}}) {
        Quantities pair = sizedPair(2, 20, 80);
        pair.bw1 = bw1;
        pair.bw2 = bw2;
        const std::string note = rimNote(pair).text();
        SCOPED_TRACE(note);
        EXPECT_EQ(!note.empty(), said);
        std::smatch width;
        if (said) {
            ASSERT_TRUE(std::regex_search(note, width, std::regex("bw2 \\+ 5 = ([0-9.,]+) мм")));
            EXPECT_DOUBLE_EQ(numberFromText(width[1].str()), bw2 + 5);
        }
    }
}

TEST(SteelSizeLimit, FromTheSectionColumn)
{
    const std::pair<int, double> limits[] = {{1, 20}, {2, 40}, {13, 100}, {24, 300}, {22, 100}};
    for (const auto& [row, limit] : limits)
        EXPECT_EQ(steelSizeLimit(row), limit) << row;
    for (const int row : {0, 5, 23, 29, 30})
        EXPECT_FALSE(steelSizeLimit(row).has_value()) << row;
}

} // namespace
} // namespace gear
