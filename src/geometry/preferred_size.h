// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

namespace gear {

// The preferred linear size nearest to x (mm); a tie goes to the larger
// size. Sizes between 0 and 12 become 12 and sizes from 4000 up become 4000,
// so a face width is never rounded away to nothing; x ≤ 0 gives 0.
double nearestStdSize(const StdSizeTable& sizes, double x);

} // namespace gear
