// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/standard_series.h"

#include <cmath>

namespace gear {

const std::array<std::string_view, 13> kModuleRow1{"",    "1.5", "2.0",  "2.5",  "3.0",  "4.0", "5.0",
                                                   "6.0", "8.0", "10.0", "12.0", "16.0", "20.0"};
const std::array<std::string_view, 12> kModuleRow2{"",    "1.75", "2.25", "2.75", "3.5",  "4.5",
                                                   "5.5", "7.0",  "9.0",  "11.0", "14.0", "18.0"};

} // namespace gear

namespace gear {

const std::array<double, 22> kCentreDistanceRow1{40,  50,  63,  80,   100,  125,  160,  200,  250,  315,  400,
                                                 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};
const std::array<double, 21> kCentreDistanceRow2{71,  90,   112,  140,  180,  225,  280,  355,  450,  560, 710,
                                                 900, 1120, 1400, 1800, 2240, 2800, 3550, 4500, 5600, 7100};

double standardCentreDistance(double aw)
{
    if (!(aw > 0.0) || !std::isfinite(aw))
        return 0;
    double best = kCentreDistanceRow1.front();
    for (const double value : kCentreDistanceRow1) {
        if (std::abs(value - aw) <= std::abs(best - aw))
            best = value;
    }
    return best;
}

} // namespace gear
