// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace gear {

// The texts of the parameters screen's seventeen fields: the default set as
// it stands, written with `decimalSeparator`.
std::array<std::string, kCoefficientCount> parameterTexts(const CalcState& state, std::string_view decimalSeparator);

struct CoefficientInfo;

// Stores the seventeen typed coefficients into the default set, which the
// next mode command and the module choice's reset write into the state.
// Each must be a number within its range; otherwise nothing is stored and
// the refusal names the first field that is not.
Outcome applyParameters(CalcState& state, const std::array<std::string, kCoefficientCount>& texts);

// Why `value` is outside the range of the coefficient; empty when it is in.
Message coefficientRangeRefusal(const CoefficientInfo& coefficient, double value);

} // namespace gear
