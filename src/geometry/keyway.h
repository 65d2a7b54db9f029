// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace gear {

// The keyway of a prismatic key in a hub, ГОСТ 23360-78, mm: the key's
// width b and height h, the depth t2 of the groove in the hub and the upper
// deviation of t2 (the lower is 0).
struct Keyway {
    double b = 0;
    double h = 0;
    double t2 = 0;
    double t2Tolerance = 0;
};

// The key of the row whose range of shaft diameters holds `shaft`: over
// the lower bound, up to and including the upper. None for a shaft of 6 mm
// or less, over 500 mm, or no number.
std::optional<Keyway> keywayFor(double shaft);

} // namespace gear
