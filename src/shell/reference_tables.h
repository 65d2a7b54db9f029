// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"

#include <array>
#include <string>
#include <string_view>

namespace gear {

struct CoefficientInfo {
    std::string_view name;    // the symbol the parameters screen shows
    std::string_view meaning; // the symbol's meaning, in the student's words
    double CoefficientSet::*preset;
    Number Quantities::*field;
    // The range the parameters screen takes: from `low` (above it, when
    // `lowExcluded`) to `high`.
    double low;
    double high;
    bool lowExcluded = false;
    // A load, distribution or dynamic factor: at least 1 by definition.
    bool loadFactor = false;
};

// In the order the textbook lists them and the program writes them.
extern const std::array<CoefficientInfo, kCoefficientCount> kCoefficients;

// Standard modules of ГОСТ 9563-80, mm; each list begins with the empty item
// that means "nothing taken from this row".
extern const std::array<std::string_view, 13> kModuleRow1;
extern const std::array<std::string_view, 12> kModuleRow2;

// Gear ratios offered on the transmission input, the empty item first.
extern const std::array<std::string_view, 22> kGearRatios;

// One steel of the final material choice. The ten cells are shown as the
// row's text; the grade name and the two limits are what taking the row
// stores (row 27 stores a bending limit of 950 MPa although its text shows
// 820, as the course's table does).
struct SteelRow {
    std::array<std::string_view, 10> cells;
    std::string_view gradeName;
    double sigmaH; // MPa
    double sigmaF; // MPa
};

extern const std::array<SteelRow, 29> kSteelRows;

// Width of each steel column in characters, so that the rows line up under
// the heads when shown in a fixed-pitch font.
extern const std::array<int, 10> kSteelColumnWidths;

// The widths with the cells in the language of `translate`: each column as
// wide as above, or wider where a translated cell and two blanks need it.
std::array<int, 10> steelColumnWidths(const Translator& translate = {});

// The text of steel row `index` (1..29) in the language of `translate`;
// index 0 is the empty item.
std::string steelItemText(int index, const Translator& translate = {});

// Number of characters (code points) of a UTF-8 text.
int utf8Length(std::string_view text);

extern const StdSizeTable kStdSizes;

// Tooth form factor YF by the equivalent number of teeth zv: the value of the
// nearer key of the table (a tie takes the upper key), 3.74 from 80 up and
// 4.47 below 10.
double toothFormFactor(double zv);

} // namespace gear
