// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "material/hardness_recommendation.h"
#include "shell/calc_state.h"
#include "shell/mode_commands.h"

namespace gear {

// A transmission design with hardened teeth (row 5 of the hardness screen)
// and the limits given, ready for the design's Ok.
inline CalcState hardenedPair(double sigmaF1, double sigmaF2)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    s.sigmaF1 = sigmaF1;
    s.sigmaF2 = sigmaF2;
    s.sigmaH1 = 1000;
    return s;
}

} // namespace gear
