// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace gear {

// Gear ratios offered on the transmission input, the empty item first.
extern const std::array<std::string_view, 22> kGearRatios;

// Tooth form factor YF by the equivalent number of teeth zv: the value of the
// nearer key of the table (a tie takes the upper key), 3.74 from 80 up and
// 4.47 below 10.
double toothFormFactor(double zv);

} // namespace gear
