// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "shell/calc_state.h"
#include "shell/mode_commands.h"

namespace gear {

// A transmission design with hardened teeth (row 5 of the hardness screen)
// and the bending limits given, kept as its chain's material, ready for the
// design's Ok.
inline CalcState hardenedPair(double sigmaF1, double sigmaF2)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    s.sigmaF1 = sigmaF1;
    s.sigmaF2 = sigmaF2;
    s.sigmaH1 = 1000;
    s.sigmaH2 = 1000;
    keepMaterial(s, Mode::Transmission);
    return s;
}

// A transmission design with soft teeth (row 2): the contact limit of both
// gears, the safety factor and the wheel's bending limit.
inline CalcState softPair(double sigmaH, double Sh, double sigmaF2)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 2);
    s.sigmaH1 = sigmaH;
    s.sigmaH2 = sigmaH;
    s.Sh = Sh;
    s.sigmaF1 = sigmaF2;
    s.sigmaF2 = sigmaF2;
    keepMaterial(s, Mode::Transmission);
    return s;
}

// The check of a wheel of the bending limit given, ready for its Ok.
inline CalcState checkedWheel(double sigmaF)
{
    CalcState s = startUpState();
    chooseCheckMode(s);
    chooseRequirements(s, 1);
    s.sigmaF1 = sigmaF;
    s.sigmaF2 = sigmaF;
    keepMaterial(s, Mode::Check);
    return s;
}

} // namespace gear
