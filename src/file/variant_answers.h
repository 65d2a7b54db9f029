// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers to a variant: the numbers a worked solution shows, in the
// answer columns of its mode.

#include "shell/calc_state.h"

#include <string>
#include <vector>

namespace gear::detail {

// One text per answerColumns(mode), from the calculation of a row and the
// module its design asked for, numbers written with a point.
std::vector<std::string> answersOf(const CalcState& state, double designModule, Mode mode);

} // namespace gear::detail
