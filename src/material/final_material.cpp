// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/final_material.h"

#include "material/steel_table.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

Outcome chooseFinalSteel(CalcState& state, int index)
{
    if (index >= 1 && index <= static_cast<int>(kSteelRows.size())) {
        const SteelRow& steel = kSteelRows[static_cast<size_t>(index - 1)];
        state.sigmaH1 = steel.sigmaH;
        state.sigmaH2 = steel.sigmaH;
        state.sigmaF1 = steel.sigmaF;
        state.sigmaF2 = steel.sigmaF;
        state.steelGrade = steel.gradeName;
        StepRecorder record(state, ScreenId::okon);
        record.given({index, {}});
        record.decision(GEAR_TR("walkthrough", "%1, строка %2 таблицы сталей")
                            .arg(Message("steel", steel.gradeName))
                            .arg(std::to_string(index)));
        record.step("σ_H1 = σ_H2", "", {}, state.sigmaH1, unit::MPa);
        record.step("σ_F1 = σ_F2", "", {}, state.sigmaF1, unit::MPa);
    } else {
        // A grade from an earlier pass would name a steel nobody chose now.
        state.steelGrade.clear();
        StepRecorder record(state, ScreenId::okon);
        record.given({index, {}});
        record.decision(GEAR_TR("walkthrough", "Сталь не выбрана: остаются рабочие напряжения"));
    }
    // The results of the design name the steel taken with them.
    if (auto& design = state.results[static_cast<size_t>(Mode::Transmission)])
        design->steelGrade = state.steelGrade;
    return Outcome::openNext(ScreenId::okonchanie);
}

} // namespace gear
