// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"
#include "shell/screen_id.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// One dimension of a wheel sketch screen: its caption label and value field
// with their captions as the screen shows them, and the number it shows.
struct SketchRow {
    std::string_view captionName;
    std::string_view caption;
    std::string_view fieldName;
    Number Quantities::*value;
};

// The title and the dimension rows of the sketch screen vivod1, vivod2 or
// vivod3. The rib thickness of the spoked wheel has no formula in this
// design, so it has no row.
std::string_view sketchTitle(ScreenId screen);
std::span<const SketchRow> sketchRows(ScreenId screen);

// One row of the designed pair's results: the parameter, its unit and the
// pinion's and the wheel's number; the last row, the steel, has none.
struct PairRow {
    std::string_view captionName;
    std::string_view caption;
    std::string_view unit;
    std::string_view pinionName;
    Number Quantities::*pinion;
    std::string_view wheelName;
    Number Quantities::*wheel;
};

std::span<const PairRow> pairRows();

// A results table: its title and its rows of cells, the head first where
// the table has one.
struct ResultTable {
    std::string title;
    std::vector<std::vector<std::string>> rows;
};

// The results of each mode that ran to its results, in the order
// transmission, wheel, check, built from what the state kept for it, with
// numbers written with `decimalSeparator` and words in the language of
// `translate`.
std::vector<ResultTable> resultTables(const CalcState& state, std::string_view decimalSeparator,
                                      const Translator& translate = {});

} // namespace gear
