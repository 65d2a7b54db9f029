// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/message.h"
#include <array>
#include <string>
#include <string_view>

namespace gear {

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

} // namespace gear
