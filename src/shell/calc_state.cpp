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

void takeMaterial(CalcState& state, Mode mode)
{
    const Material& m = state.materials[static_cast<size_t>(mode)];
    state.H1 = m.H1;
    state.H2 = m.H2;
    state.sigmaH1 = m.sigmaH1;
    state.sigmaH2 = m.sigmaH2;
    state.sigmaF1 = m.sigmaF1;
    state.sigmaF2 = m.sigmaF2;
    // A chain that has set no safety factor yet has the set's.
    state.Sh = m.Sh.isWritten() ? m.Sh : Number(state.defaults.Sh);
    state.isHB = m.isHB;
    state.isHRC = m.isHRC;
    state.rigid = m.rigid;
}

void keepMaterial(CalcState& state, Mode mode)
{
    state.materials[static_cast<size_t>(mode)] = {state.H1,      state.H2, state.sigmaH1, state.sigmaH2, state.sigmaF1,
                                                  state.sigmaF2, state.Sh, state.isHB,    state.isHRC,   state.rigid};
}

void startMaterial(CalcState& state, Mode mode)
{
    state.materials[static_cast<size_t>(mode)] = Material{};
    takeMaterial(state, mode);
}

bool allFinite(const CalcState& state)
{
    return std::all_of(kNumberFields.begin(), kNumberFields.end(),
                       [&](const NumberField& f) { return std::isfinite(static_cast<double>(state.*f.field)); });
}

} // namespace gear
