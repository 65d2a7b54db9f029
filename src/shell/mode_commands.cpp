// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mode_commands.h"

namespace gear {

ScreenId chooseWheelMode(CalcState& state)
{
    state.mode = Mode::Wheel;
    return ScreenId::Vvod;
}

ScreenId chooseTransmissionMode(CalcState& state)
{
    state.mode = Mode::Transmission;
    return ScreenId::ATverd;
}

ScreenId chooseCheckMode(CalcState& state)
{
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
