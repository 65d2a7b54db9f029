// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"

namespace gear {

// Takes steel `index` (1..29) of the table: its limits replace the four
// stress fields and its grade is kept for the results. Without a steel (0 or
// −1) the fields keep the working stresses and the grade is left empty.
// Every design ends on its results table.
Outcome chooseFinalSteel(CalcState& state, int index);

} // namespace gear
