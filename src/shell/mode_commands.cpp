#include "shell/mode_commands.h"

namespace gear {

ScreenId chooseWheelMode(CalcState& state)
{
    state.modeKol = true;
    state.modePer = false;
    state.modeProv = false;
    return ScreenId::Vvod;
}

ScreenId chooseTransmissionMode(CalcState& state)
{
    state.modePer = true;
    state.modeKol = false;
    state.modeProv = false;
    return ScreenId::ATverd;
}

ScreenId chooseCheckMode(CalcState& state)
{
    // A checked wheel is taken as one of a pair with these proportions.
    state.Psibd = 0.5;
    state.U = 2;
    state.modeKol = false;
    state.modePer = false;
    state.modeProv = true;
    return ScreenId::trebov2;
}

} // namespace gear
