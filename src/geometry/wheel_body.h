// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

namespace gear {

// Rim thickness δ0 = kDelta·m and spoke or disc width C = kC·m.
struct RimCoefficients {
    double kDelta;
    double kC;
};

// By the standard module: the textbook's rows, and between two rows the
// straight line through them.
RimCoefficients rimCoefficients(double m);

class StepRecorder;

// Sizes of the wheel body that live only for one module choice (mm); the
// sketch screens show them.
struct WheelBody {
    Number Delta0; // rim thickness
    Number dst;    // hub diameter
    Number Dk;     // rim's inner diameter
    Number d0;     // hole diameter
    Number L;      // thickness L
    Number dvStd;  // shaft diameter, preferred size
    Number dstStd; // hub diameter, preferred size
};

// Rim, disc, hub and holes from the module m, the root diameter df and the
// shaft diameter dv; writes C, Lst, LstStd, D0 and R into the state. The
// steps go to `record` when the wheel body is what the student looks at.
WheelBody sizeWheelBody(CalcState& state, StepRecorder* record = nullptr);

} // namespace gear
