// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"

namespace gear {

// Takes row 1..7 of the table of typical applications (0: none marked): the
// middle of the row's hardness range for pinion and wheel, and whether it is
// Brinell (rows 1–2, through-hardened) or Rockwell (rows 3–7, surface-hardened).
Outcome recommendHardness(CalcState& state, int row);

} // namespace gear
