// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conclusions of the calculation note: for each mode that reached its
// results, one paragraph saying what was designed and which conditions the
// calculation shows to hold; and the sources of the method's tables.

#include "shell/calc_state.h"
#include "shell/message.h"

#include <string>
#include <string_view>
#include <vector>

namespace gear {

struct Conclusion {
    Mode mode;
    std::string text;
};

// In the order transmission, wheel, check; none for a mode without results.
std::vector<Conclusion> conclusions(const CalcState& state, std::string_view decimalSeparator,
                                    const Translator& translate = {});

// The books and standards the method's formulas and tables come from, as a
// list of sources is written.
std::vector<std::string> noteSources(const Translator& translate = {});

// How far the actual gear ratio may stand from the one asked, %
// (Чернавский: ±4 %).
inline constexpr double kRatioTolerance = 4.0;

} // namespace gear
