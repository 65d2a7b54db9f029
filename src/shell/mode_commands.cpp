// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mode_commands.h"

namespace gear {

// A mode starts from the default coefficient set in force, so coefficients
// changed on the parameters screen count from the next calculation on.
ScreenId chooseWheelMode(CalcState& state)
{
    writeDefaultCoefficients(state);
    state.mode = Mode::Wheel;
    return ScreenId::Vvod;
}

ScreenId chooseTransmissionMode(CalcState& state)
{
    writeDefaultCoefficients(state);
    state.mode = Mode::Transmission;
    return ScreenId::ATverd;
}

ScreenId chooseCheckMode(CalcState& state)
{
    writeDefaultCoefficients(state);
    // A checked wheel is taken as one of a pair with these proportions.
    state.Psibd = 0.5;
    state.U = 2;
    state.mode = Mode::Check;
    return ScreenId::trebov2;
}

std::optional<ScreenId> inputScreenOfMode(const CalcState& state)
{
    if (state.mode == Mode::Transmission)
        return ScreenId::Vvod2;
    if (state.mode == Mode::Check)
        return ScreenId::Vvod3;
    return std::nullopt;
}

} // namespace gear
