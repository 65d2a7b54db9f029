// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

namespace gear {

// Rim thickness δ0 = kDelta·m and spoke or disc width C = kC·m.
struct RimCoefficients {
    double kDelta;
    double kC;
};

// The hub of a wheel on its shaft: its diameter and length per unit of the
// shaft diameter.
inline constexpr double kHubDiameterPerShaft = 1.7;
inline constexpr double kHubLengthPerShaft = 1.3;

// By the standard module: the textbook's rows, and between two rows the
// straight line through them.
RimCoefficients rimCoefficients(double m);

class StepRecorder;

// Rim, disc, hub and holes from the module m, the root diameter df and the
// shaft diameter dv, with the preferred sizes of shaft, hub and hub length
// (mm). The steps go to `record` when the wheel body is what the student
// looks at.
void sizeWheelBody(CalcState& state, StepRecorder* record = nullptr);

} // namespace gear
