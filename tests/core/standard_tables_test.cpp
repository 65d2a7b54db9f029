// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/standard_series.h"
#include "material/steel_table.h"
#include "strength/strength_tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace gear {
namespace {

TEST(ModuleLists, BeginEmptyAndHoldTheStandardSeries)
{
    EXPECT_EQ(kModuleRow1.front(), "");
    EXPECT_EQ(kModuleRow1[1], "1.5");
    EXPECT_EQ(kModuleRow1.back(), "20.0");
    EXPECT_EQ(kModuleRow2.front(), "");
    EXPECT_EQ(kModuleRow2[1], "1.75");
    EXPECT_EQ(kModuleRow2.back(), "18.0");
    EXPECT_EQ(kGearRatios.front(), "");
    EXPECT_EQ(kGearRatios[1], "1.0");
    EXPECT_EQ(kGearRatios.back(), "10.0");
}

TEST(StdSizes, AscendFromTwelveToFourThousandWithoutGaps)
{
    EXPECT_EQ(kStdSizes[0], 0);
    EXPECT_EQ(kStdSizes[1], 12);
    EXPECT_EQ(kStdSizes[98], 3350);
    EXPECT_EQ(kStdSizes[99], 3750);
    EXPECT_EQ(kStdSizes[100], 4000);
    for (size_t i = 1; i < kStdSizes.size(); ++i)
        EXPECT_LT(kStdSizes[i - 1], kStdSizes[i]) << i;
}

// The row as code points, so that offsets count characters, not bytes.
std::u32string codePoints(const std::string& utf8)
{
    std::u32string result;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        result += c;
        i += length;
    }
    return result;
}

// Each row's cells, in the language of `translate`, start where the
// columns' widths put them, after at least two blanks.
void expectAligned(const Translator& translate, const std::array<int, 10>& widths)
{
    for (int index = 1; index <= 29; ++index) {
        const std::u32string row = codePoints(steelItemText(index, translate));
        const SteelRow& steel = kSteelRows[static_cast<size_t>(index - 1)];
        size_t offset = 0;
        for (size_t column = 0; column < steel.cells.size(); ++column) {
            const std::u32string cell = codePoints(translated(translate, "steel table", steel.cells[column]));
            EXPECT_EQ(row.substr(offset, cell.size()), cell) << "row " << index << " column " << column;
            if (column > 0) {
                EXPECT_EQ(row.substr(offset - 2, 2), U"  ") << "row " << index << " column " << column;
            }
            offset += static_cast<size_t>(widths[column]);
        }
    }
}

TEST(SteelTable, EveryCellStartsAtItsHeadsOffsetAfterAtLeastTwoBlanks)
{
    expectAligned({}, kSteelColumnWidths);
    EXPECT_EQ(steelColumnWidths(), kSteelColumnWidths);
}

TEST(SteelTable, ALongerTranslationWidensItsColumnAndTheRowsStayAligned)
{
    static constexpr std::string_view kLong = "surface hardening by currents of high frequency"; // 47 letters
    const Translator translate = [](std::string_view context, std::string_view source) {
        if (context == "steel table" && source == "закалка ТВЧ")
            return std::string(kLong);
        if (context == "steel table" && source == "30Х2МЮА")
            return std::string("30Kh2MYuA");
        return std::string(source);
    };
    const std::array<int, 10> widths = steelColumnWidths(translate);
    EXPECT_EQ(widths[0], 11);
    EXPECT_EQ(widths[2], 47 + 2);
    EXPECT_EQ(widths[3], kSteelColumnWidths[3]);
    expectAligned(translate, widths);
}

TEST(SteelTable, ItemZeroIsEmptyAndOutOfRangeIsEmpty)
{
    EXPECT_EQ(steelItemText(0), "");
    EXPECT_EQ(steelItemText(30), "");
    EXPECT_EQ(steelItemText(-1), "");
}

TEST(SteelTable, RowTextsCarryTheirCells)
{
    EXPECT_EQ(steelItemText(1).rfind("40       1050-74  закалка с высоким отпуском", 0), 0U);
    EXPECT_NE(steelItemText(1).find("до   20"), std::string::npos);
    EXPECT_NE(steelItemText(29).find("30Х2МЮА"), std::string::npos);
    EXPECT_NE(steelItemText(29).find("азотирование"), std::string::npos);
}

struct SteelLimits {
    int index;
    const char* grade;
    double sigmaH;
    double sigmaF;
};

class SteelChoice : public testing::TestWithParam<SteelLimits> {};

TEST_P(SteelChoice, StoresTheGradeAndItsLimits)
{
    const SteelRow& row = kSteelRows[static_cast<size_t>(GetParam().index - 1)];
    EXPECT_EQ(row.gradeName, GetParam().grade);
    EXPECT_EQ(row.sigmaH, GetParam().sigmaH);
    EXPECT_EQ(row.sigmaF, GetParam().sigmaF);
}

INSTANTIATE_TEST_SUITE_P(Rows, SteelChoice,
                         testing::Values(SteelLimits{1, "Сталь 40", 590, 465}, SteelLimits{10, "Сталь 45", 1050, 600},
                                         SteelLimits{21, "Сталь 18ХГТ", 1380, 950},
                                         SteelLimits{22, "Сталь 12ХН3А", 1380, 820},
                                         SteelLimits{27, "Сталь 18ХГТ", 1360, 950},
                                         SteelLimits{28, "Сталь 18ХГТ", 1360, 900},
                                         SteelLimits{29, "Сталь 30Х2МЮА", 1050, 340}),
                         [](const testing::TestParamInfo<SteelLimits>& info) {
                             return caseName("row " + std::to_string(info.param.index), info.index);
                         });

TEST(SteelTable, LimitsMatchTheShownColumnsExceptRow27)
{
    for (size_t i = 0; i < kSteelRows.size(); ++i) {
        const SteelRow& row = kSteelRows[i];
        EXPECT_EQ(std::to_string(static_cast<int>(row.sigmaH)), row.cells[8]) << i + 1;
        if (i + 1 != 27) {
            EXPECT_EQ(std::to_string(static_cast<int>(row.sigmaF)), row.cells[9]) << i + 1;
        }
        EXPECT_EQ(row.gradeName, "Сталь " + std::string(row.cells[0])) << i + 1;
    }
}

} // namespace
} // namespace gear
