// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/number_text.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace gear {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

class NumberFromText : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberFromText, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(numberFromText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberFromText,
    testing::Values(ReadCase{"", 0}, ReadCase{"   ", 0}, ReadCase{"40", 40}, ReadCase{"40 зубьев", 40},
                    ReadCase{"4 0", 40}, ReadCase{" 1 2 . 5 ", 12.5}, ReadCase{"4,5", 4.5}, ReadCase{"43,75", 43.75},
                    ReadCase{",5", 0.5}, ReadCase{"2,5,1", 2.5}, ReadCase{"4,02.5", 4.02}, ReadCase{"1,5e2", 150},
                    ReadCase{"100 Н·м", 100}, ReadCase{",", 0}, ReadCase{"2.5", 2.5}, ReadCase{".5", 0.5},
                    ReadCase{"5.", 5}, ReadCase{"-3.25", -3.25}, ReadCase{"+7", 7}, ReadCase{"- 7", -7},
                    ReadCase{"1e3", 1000}, ReadCase{"1.5E-2", 0.015}, ReadCase{"2e", 2}, ReadCase{"2e+", 2},
                    ReadCase{"3 e 2", 300}, ReadCase{"abc", 0}, ReadCase{"x12", 0}, ReadCase{".", 0}, ReadCase{"-", 0},
                    ReadCase{"--5", 0}, ReadCase{"12abc3", 12}, ReadCase{"1.2.3", 1.2}, ReadCase{"0x10", 0},
                    ReadCase{"nan", 0}, ReadCase{"inf", 0}, ReadCase{"-1e-320", -1e-320}, ReadCase{"1e-400", 0},
                    ReadCase{"сорок", 0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return caseName(info.param.text, info.index); });

// Texts the core writes with a point ("0.9·σ_H1", refusals that quote a
// module) take the regional separator only where the point stands between
// two digits.
struct SeparatorCase {
    const char* text;
    const char* shown;
};

class WithDecimalSeparator : public testing::TestWithParam<SeparatorCase> {};

TEST_P(WithDecimalSeparator, ChangesOnlyAPointBetweenDigits)
{
    EXPECT_EQ(withDecimalSeparator(GetParam().text, ","), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WithDecimalSeparator,
    testing::Values(SeparatorCase{"0.9·σ_H1", "0,9·σ_H1"}, SeparatorCase{"(1.88 − 3.2·(1/Z1))", "(1,88 − 3,2·(1/Z1))"},
                    SeparatorCase{"При модуле 2.5 мм.", "При модуле 2,5 мм."}, SeparatorCase{".5", ".5"},
                    SeparatorCase{"5.", "5."}, SeparatorCase{"m.5", "m.5"}, SeparatorCase{"5.m", "5.m"},
                    SeparatorCase{"1.2.3", "1,2,3"}, SeparatorCase{"", ""}),
    [](const testing::TestParamInfo<SeparatorCase>& info) { return caseName(info.param.text, info.index); });

TEST(NumberFromText, OverflowIsInfiniteSoThatCalculationsRefuseIt)
{
    EXPECT_EQ(numberFromText("1e309"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numberFromText("-1e309"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(numberFromText(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(numberFromText("1e308"), 1e308);
}

struct WriteCase {
    double value;
    const char* separator;
    const char* text;
};

class NumberToText : public testing::TestWithParam<WriteCase> {};

TEST_P(NumberToText, ShowsUpToFifteenDigits)
{
    EXPECT_EQ(numberToText(Number(GetParam().value), GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberToText,
    testing::Values(WriteCase{0, ".", "0"}, WriteCase{-0.0, ".", "0"}, WriteCase{2, ".", "2"},
                    WriteCase{205, ",", "205"}, WriteCase{2.5, ".", "2.5"}, WriteCase{2.5, ",", "2,5"},
                    WriteCase{93.75, ",", "93,75"}, WriteCase{0.1 + 0.2, ".", "0.3"},
                    WriteCase{1.0 / 3.0, ".", "0.333333333333333"}, WriteCase{2.0 / 3.0, ".", "0.666666666666667"},
                    WriteCase{210.944, ".", "210.944"}, WriteCase{-12.625, ".", "-12.625"},
                    WriteCase{123456789012345, ".", "123456789012345"}, WriteCase{1e20, ".", "1e+20"},
                    WriteCase{0.0001, ".", "0.0001"}),
    [](const testing::TestParamInfo<WriteCase>& info) {
        return caseName(spelt(number(info.param.value)) + " with " + spelt(info.param.separator), info.index);
    });

TEST(NumberToText, UnwrittenAndNonFiniteNumbersShowNothing)
{
    EXPECT_EQ(numberToText(Number()), "");
    EXPECT_EQ(numberToText(Number(std::numeric_limits<double>::quiet_NaN())), "");
    EXPECT_EQ(numberToText(Number(std::numeric_limits<double>::infinity())), "");
}

TEST(NumberToText, ReadsBackToTheSameNumber)
{
    for (double value : {1.971043, 3.14159265358979, 787.096477, 1e-7, 12345.678901234}) {
        const double back = numberFromText(numberToText(Number(value)));
        EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << value;
    }
}

TEST(NumberToText, FourSignificantDigitsForSubstitutions)
{
    EXPECT_EQ(numberToText(3.147000123, 4, ","), "3,147");
    EXPECT_EQ(numberToText(787.0964, 4, "."), "787.1");
}

struct DecimalCase {
    double value;
    int decimals;
    const char* text;
};

class DecimalText : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalText, WritesAPointAndNoTrailingZeros)
{
    const DecimalCase& c = GetParam();
    EXPECT_EQ(decimalText(c.value, c.decimals), c.text);
    // The same bytes where the C library writes a decimal comma.
    CommaLocale comma;
    GEAR_NEED_COMMA_LOCALE(comma);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_STREQ(buffer, "0,5") << "the locale writes a comma";
    EXPECT_EQ(decimalText(c.value, c.decimals), c.text);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Numbers, DecimalText,
    testing::Values(DecimalCase{210, 3, "210"}, DecimalCase{0.5, 3, "0.5"}, DecimalCase{-12.625, 6, "-12.625"},
                    DecimalCase{1.0 / 3.0, 3, "0.333"}, DecimalCase{2.0 / 3.0, 6, "0.666667"},
                    DecimalCase{-0.0004, 3, "0"}, DecimalCase{-0.0, 6, "0"}, DecimalCase{0.9996, 3, "1"},
                    DecimalCase{1e20, 3, "100000000000000000000"}, DecimalCase{12.5, 0, "12"},
                    DecimalCase{kNaN, 3, "0"}, DecimalCase{kInfinity, 6, "0"}, DecimalCase{-kInfinity, 6, "0"}),
    [](const testing::TestParamInfo<DecimalCase>& info) {
        return caseName(spelt(number(info.param.value)) + " to " + std::to_string(info.param.decimals), info.index);
    });

TEST(NumberText, ReadsAndWritesThePointWhereTheLocaleWritesAComma)
{
    CommaLocale comma;
    GEAR_NEED_COMMA_LOCALE(comma);
    EXPECT_DOUBLE_EQ(numberFromText("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(numberFromText("1.5e-2"), 0.015);
    EXPECT_EQ(numberToText(Number(93.75)), "93.75");
    EXPECT_EQ(numberToText(787.0964, 4, "."), "787.1");
}

} // namespace
} // namespace gear
