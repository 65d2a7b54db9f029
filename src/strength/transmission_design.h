// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

// The texts of the transmission input screen.
struct TransmissionInput {
    std::string Z1;      // teeth of the pinion
    std::string beta;    // helix angle, degrees; empty for spur teeth
    std::string T1;      // torque on the pinion shaft, N·m
    std::string U;       // gear ratio
    std::string n1 = {}; // speed of the pinion, rpm; empty when not known
};

// The texts as the screen's Ok was given them, and back.
GivenInputs inputsOf(const TransmissionInput& input);
TransmissionInput transmissionInputOf(const GivenInputs& given);

// The load factor of the design calculations, in bending and in contact:
// a constant of the method, not the set's coefficients.
inline constexpr double kDesignLoadFactor = 1.5;

// Helix factor for bending Yβ = 1 − β/140, β in degrees; 1 for spur teeth.
double helixFactor(double beta);

// Teeth of the wheel for the ratio U and the pinion's Z1: U·Z1 rounded to
// the nearest whole number, a half up.
double wheelTeeth(double U, double Z1);

// The design calculation of the pair: allowable stresses, then the module
// from the bending strength (hardened teeth) or through the centre distance
// from the contact strength (soft teeth). Every intermediate value is left in
// the state for the module choice. Inputs the formulas cannot use are refused
// and nothing is written.
Outcome designTransmission(CalcState& state, const TransmissionInput& input);

} // namespace gear
