// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

// The texts of the check input screen.
struct CheckInput {
    std::string d;    // pitch diameter of the wheel, mm
    std::string z;    // teeth of the wheel
    std::string beta; // helix angle, degrees; empty for spur teeth
    std::string b;    // face width, mm
};

// The texts as the screen's Ok was given them, and back.
GivenInputs inputsOf(const CheckInput& input);
CheckInput checkInputOf(const GivenInputs& given);

// The load, in N·m, that the teeth of an existing wheel carry in bending:
// the inverse of the bending design, with the material of the check's own
// chain. Inputs out of their ranges are refused and nothing is written.
Outcome checkPermissibleLoad(CalcState& state, const CheckInput& input);

} // namespace gear
