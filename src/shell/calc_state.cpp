// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/calc_state.h"

#include "shell/reference_tables.h"

#include <algorithm>
#include <cmath>

namespace gear {

const StdSizeTable kStdSizes{0,    12,   13,   14,   15,   16,   17,   18,   19,   20,   21,   22,   24,   25,   26,
                             28,   30,   32,   34,   36,   38,   40,   42,   45,   48,   50,   53,   56,   60,   63,
                             67,   71,   75,   80,   85,   90,   95,   100,  105,  110,  120,  125,  130,  140,  150,
                             160,  170,  180,  190,  200,  210,  220,  240,  250,  260,  280,  300,  320,  340,  360,
                             380,  400,  420,  450,  480,  500,  530,  560,  600,  630,  670,  710,  750,  800,  850,
                             900,  950,  1000, 1060, 1120, 1180, 1250, 1320, 1400, 1500, 1600, 1700, 1800, 1900, 2000,
                             2120, 2240, 2360, 2500, 2650, 2800, 3000, 3150, 3350, 3750, 4000};

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
