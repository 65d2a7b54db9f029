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
