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

// The steepest helix the method takes, degrees. Helical gears are made up to
// about 40°; above 45° the transverse contact ratio of the accepted tooth
// numbers falls towards 1 and the load factor 1.1/εα runs away.
inline constexpr double kMaxHelixAngle = 45;

// A helix angle the method takes: 0 for spur teeth, up to kMaxHelixAngle.
inline bool isUsableHelixAngle(double degrees)
{
    return std::isfinite(degrees) && degrees >= 0.0 && degrees <= kMaxHelixAngle;
}

} // namespace gear
