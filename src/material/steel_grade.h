// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"

#include <string_view>
#include <vector>

namespace gear {

// What a steel screen (stal1..stal5) shows: its title and the grades offered,
// left to right.
struct SteelScreenContent {
    std::string_view title;
    std::vector<std::string_view> grades;
};

SteelScreenContent steelScreenContent(ScreenId screen);

// Turns the tooth hardness into the contact and bending endurance limits of
// pinion and wheel by the rule of the treatment and the grade marked
// (1-based option, 0 when none), then leads to the mode's input screen.
Outcome chooseSteelGrade(CalcState& state, ScreenId screen, int option);

} // namespace gear
