// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"
#include "shell/outcome.h"

#include <array>
#include <string_view>

namespace gear {

// The options of the question, left to right.
inline constexpr std::array<std::string_view, 2> kRequirementOptions{GEAR_TR_NOOP("requirements", "Жёсткие"),
                                                                     GEAR_TR_NOOP("requirements", "Не жёсткие")};

// The check mode's first question: strict requirements to the dimensions
// (option 1, "Жёсткие") mean surface-hardened teeth, non-strict ones
// (option 2) through-hardened teeth; 0 when neither is marked.
Outcome chooseRequirements(CalcState& state, int option);

} // namespace gear
