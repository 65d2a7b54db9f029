// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/manufacturing_requirements.h"

#include "shell/walkthrough.h"

namespace gear {

Outcome chooseRequirements(CalcState& state, int option)
{
    // The first screen of the check starts its chain afresh, so its
    // walkthrough never shows the treatment of an earlier check.
    if (option == 1 || option == 2) {
        // The first screen of the check's chain starts it, and its
        // material, afresh.
        state.mode = Mode::Check;
        startMaterial(state, Mode::Check);
    }
    if (option == 1) {
        state.rigid = true;
        state.isHRC = true;
        state.isHB = false;
        keepMaterial(state, Mode::Check);
        StepRecorder record(state, ScreenId::trebov2, true);
        record.given({option, {}});
        record.decision(GEAR_TR("walkthrough",
                                "Жёсткие требования к габаритам: зубья с поверхностным упрочнением, твёрдость в HRC"));
        return Outcome::openNext(ScreenId::Czakalka2);
    }
    if (option == 2) {
        state.rigid = false;
        state.isHB = true;
        state.isHRC = false;
        keepMaterial(state, Mode::Check);
        StepRecorder record(state, ScreenId::trebov2, true);
        record.given({option, {}});
        record.decision(GEAR_TR(
            "walkthrough", "Нежёсткие требования к габаритам: зубья нормализованные или улучшенные, твёрдость в HB"));
        return Outcome::openNext(ScreenId::BNormal2);
    }
    // The screen closes even with nothing marked; the student starts again
    // from the menu.
    return Outcome::close();
}

} // namespace gear
