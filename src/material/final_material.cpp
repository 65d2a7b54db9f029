#include "material/final_material.h"

#include "shell/reference_tables.h"

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
    } else {
        // A grade from an earlier pass would name a steel nobody chose now.
        state.steelGrade.clear();
    }
    return Outcome::openNext(ScreenId::okonchanie);
}

} // namespace gear
