// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/preferred_size.h"

#include <cmath>

namespace gear {

double nearestStdSize(const StdSizeTable& sizes, double x)
{
    if (!(x > 0.0)) // also a nan
        return 0;
    if (x < sizes[1])
        return sizes[1];
    if (x >= sizes.back())
        return sizes.back();
    for (size_t i = 1; i + 1 < sizes.size(); ++i) {
        const double lower = sizes[i];
        const double upper = sizes[i + 1];
        if (x == lower)
            return lower;
        if (lower < x && x < upper)
            return x - lower < upper - x ? lower : upper;
    }
    return sizes.back();
}

} // namespace gear
