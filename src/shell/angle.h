// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace gear {

// Degrees to radians with π written as 3.1415: the course's tables were
// computed that way, and the worked answers students compare against carry
// that rounding.
inline double cosDegrees(double degrees)
{
    return std::cos(degrees * 3.1415 / 180.0);
}

// A helix angle the formulas can use: 0 for spur teeth, below 90 degrees.
inline bool isUsableHelixAngle(double degrees)
{
    return std::isfinite(degrees) && degrees >= 0.0 && degrees < 90.0;
}

} // namespace gear
