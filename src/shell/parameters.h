// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"

#include <array>
#include <string>

namespace gear {

// The texts of the parameters screen's seventeen fields: the default set as
// it stands, written with a point, the way every field of the program is read.
std::array<std::string, kCoefficientCount> parameterTexts(const CalcState& state);

// Stores the seventeen typed coefficients into the default set (and into the
// state, so the next calculation uses them). Each must read as a finite
// positive number; otherwise nothing is stored and the refusal names the
// first field that does not.
Outcome applyParameters(CalcState& state, const std::array<std::string, kCoefficientCount>& texts);

} // namespace gear
