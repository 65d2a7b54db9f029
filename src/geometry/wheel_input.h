// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

// The texts of the wheel input screen.
struct WheelInput {
    std::string Z1;   // teeth
    std::string beta; // helix angle, degrees
    std::string dv;   // shaft diameter, mm
    std::string da;   // tip diameter, mm
    std::string bw;   // face width, mm
    std::string Lst;  // hub length, mm
};

// The texts as the screen's Ok was given them, and back.
GivenInputs inputsOf(const WheelInput& input);
WheelInput wheelInputOf(const GivenInputs& given);

// Stores a wheel's data and derives its module from the tip diameter,
// da = m·(Z/cos β + 2). Inputs that give no module are refused and nothing
// is written.
Outcome enterWheel(CalcState& state, const WheelInput& input);

} // namespace gear
