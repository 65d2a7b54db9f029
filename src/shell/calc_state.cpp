// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/calc_state.h"

#include "shell/reference_tables.h"

#include <algorithm>
#include <cmath>

namespace gear {

void writeDefaultCoefficients(CalcState& state)
{
    for (const CoefficientInfo& info : kCoefficients)
        state.*info.field = state.defaults.*info.preset;
}

CalcState startUpState()
{
    CalcState state;
    writeDefaultCoefficients(state);
    state.stdSizes = kStdSizes;
    return state;
}

void keepResults(CalcState& state, Mode mode)
{
    state.results[static_cast<size_t>(mode)] = ModeResults{static_cast<const Quantities&>(state), state.steelGrade};
}

bool allFinite(const CalcState& state)
{
    return std::all_of(kNumberFields.begin(), kNumberFields.end(),
                       [&](const NumberField& f) { return std::isfinite(static_cast<double>(state.*f.field)); });
}

} // namespace gear
