// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace gear {

// Standard modules of ГОСТ 9563-80, mm; each list begins with the empty item
// that means "nothing taken from this row".
extern const std::array<std::string_view, 13> kModuleRow1;
extern const std::array<std::string_view, 12> kModuleRow2;

} // namespace gear

namespace gear {

// Centre distances of ГОСТ 2185-66, mm, in their two rows; the first row
// is preferred.
extern const std::array<double, 22> kCentreDistanceRow1;
extern const std::array<double, 21> kCentreDistanceRow2;

// The value of the first row nearest to aw (on a tie the larger); 0 for a
// centre distance that is not positive.
double standardCentreDistance(double aw);

} // namespace gear
