// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/standard_series.h"
#include "material/final_material.h"
#include "material/steel_table.h"
#include "strength/strength_tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gear {
namespace {

// The lists open with the empty item ("nothing taken"); past it, each series
// ascends, and the second row of ГОСТ 9563-80 falls between neighbours of
// the first, never on one of its values.
TEST(ModuleLists, AscendAndTheSecondRowFallsBetweenTheFirst)
{
    const auto numbers = [](const auto& items) {
        EXPECT_EQ(items.front(), "");
        std::vector<double> values;
        for (size_t i = 1; i < items.size(); ++i)
            values.push_back(std::stod(std::string(items[i])));
        for (size_t i = 1; i < values.size(); ++i)
            EXPECT_LT(values[i - 1], values[i]) << items[i + 1];
        return values;
    };
    const std::vector<double> first = numbers(kModuleRow1);
    const std::vector<double> second = numbers(kModuleRow2);
    numbers(kGearRatios);
    for (const double m : second) {
        const auto above = std::upper_bound(first.begin(), first.end(), m);
        ASSERT_NE(above, first.begin()) << m;
        ASSERT_NE(above, first.end()) << m;
        EXPECT_LT(*(above - 1), m);
        // One value of the second row between two of the first.
        if (above + 1 != first.end())
            EXPECT_EQ(
                std::count_if(second.begin(), second.end(), [&](double v) { return *(above - 1) < v && v < *above; }),
                1)
                << m;
    }
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

// Taking a row on the final material stores the grade its first cell names
// and the row's two limits, for every row of the table.
TEST(SteelChoice, StoresTheGradeItsRowNamesAndItsLimits)
{
    for (int index = 1; index <= static_cast<int>(kSteelRows.size()); ++index) {
        const SteelRow& row = kSteelRows[static_cast<size_t>(index - 1)];
        CalcState s = startUpState();
        chooseFinalSteel(s, index);
        EXPECT_EQ(s.steelGrade, "Сталь " + std::string(row.cells[0])) << index;
        EXPECT_EQ(double(s.sigmaH1), row.sigmaH) << index;
        EXPECT_EQ(double(s.sigmaF1), row.sigmaF) << index;
    }
}

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
