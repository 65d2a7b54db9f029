// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

// The texts of the transmission input screen.
struct TransmissionInput {
    std::string Z1;   // teeth of the pinion
    std::string beta; // helix angle, degrees; empty for spur teeth
    std::string T1;   // torque on the pinion shaft, N·m
    std::string U;    // gear ratio
};

// The texts as the screen's Ok was given them, and back.
GivenInputs inputsOf(const TransmissionInput& input);
TransmissionInput transmissionInputOf(const GivenInputs& given);

// Tooth form factor YF by the equivalent number of teeth zv: the value of the
// nearer key of the table (a tie takes the upper key), 4.47 outside it.
double toothFormFactor(double zv);

// The design calculation of the pair: allowable stresses, then the module
// from the bending strength (hardened teeth) or through the centre distance
// from the contact strength (soft teeth). Every intermediate value is left in
// the state for the module choice. Inputs the formulas cannot use are refused
// and nothing is written.
Outcome designTransmission(CalcState& state, const TransmissionInput& input);

} // namespace gear
