// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"
#include <array>
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
    // Where the method's formulas take it, in the student's words; empty
    // for a coefficient the method keeps but no formula of it reads.
    std::string_view use = {};
};

// What the parameters screen says of a coefficient no formula reads.
inline constexpr std::string_view kUnusedCoefficient =
    GEAR_TR_NOOP("coefficient", "не входит в расчёт по этой методике");

// In the order the textbook lists them and the program writes them.
extern const std::array<CoefficientInfo, kCoefficientCount> kCoefficients;

} // namespace gear
