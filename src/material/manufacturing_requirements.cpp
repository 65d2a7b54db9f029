// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/manufacturing_requirements.h"

namespace gear {

Outcome chooseRequirements(CalcState& state, int option)
{
    if (option == 1) {
        state.rigid = true;
        state.isHRC = true;
        state.isHB = false;
        return Outcome::openNext(ScreenId::Czakalka2);
    }
    if (option == 2) {
        state.rigid = false;
        state.isHB = true;
        state.isHRC = false;
        return Outcome::openNext(ScreenId::BNormal2);
    }
    // The screen closes even with nothing marked; the student starts again
    // from the menu.
    return Outcome::close();
}

} // namespace gear
