// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/standard_series.h"

namespace gear {

const std::array<std::string_view, 13> kModuleRow1{"",    "1.5", "2.0",  "2.5",  "3.0",  "4.0", "5.0",
                                                   "6.0", "8.0", "10.0", "12.0", "16.0", "20.0"};
const std::array<std::string_view, 12> kModuleRow2{"",    "1.75", "2.25", "2.75", "3.5",  "4.5",
                                                   "5.5", "7.0",  "9.0",  "11.0", "14.0", "18.0"};

} // namespace gear
