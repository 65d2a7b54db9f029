// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/final_material.h"

#include "geometry/pair_checks.h"
#include "material/steel_table.h"
#include "shell/walkthrough.h"
#include "strength/strength_verdict.h"

#include <string>

namespace gear {

namespace {

// The working stresses against the allowable ones of the steel taken, or,
// without one, of the material the design was made with; kept with the
// design's results, which the results screen and the report show.
void judgeStrength(CalcState& state, int index, StepRecorder& record)
{
    auto& design = state.results[static_cast<size_t>(Mode::Transmission)];
    Quantities& pair = design ? design->values : static_cast<Quantities&>(state);
    const bool taken = index >= 1 && index <= static_cast<int>(kSteelRows.size());
    if (taken) {
        const SteelRow& steel = kSteelRows[static_cast<size_t>(index - 1)];
        // The safety factor of the treatment the chain chose: the steel's
        // row is of the same treatment.
        const double chainSh = state.materials[static_cast<size_t>(Mode::Transmission)].Sh;
        const double Sh = chainSh > 0.0 ? chainSh : state.defaults.Sh;
        pair.sigmaHPfinal = allowableContact(steel.sigmaH, Sh);
        pair.sigmaFP1final = allowableBending(steel.sigmaF);
        pair.sigmaFP2final = pair.sigmaFP1final;
        record.step("[σ_H]", "0.9·{σ_Hlim}/{S_H}", {steel.sigmaH, Sh}, pair.sigmaHPfinal, unit::MPa);
        record.step("[σ_F]", "0.4·{σ_Flim}", {steel.sigmaF}, pair.sigmaFP1final, unit::MPa);
    } else {
        pair.sigmaHPfinal = pair.sigmaHP;
        pair.sigmaFP1final = pair.sigmaFP1;
        pair.sigmaFP2final = pair.sigmaFP2;
    }
    pair.steelRow = taken ? index : 0;
    for (const VerdictRow& row : strengthVerdicts(pair)) {
        const std::string symbol = row.key == "contact" ? "σ_H" : row.key == "bending1" ? "σ_F1" : "σ_F2";
        const std::string allowed = "{[" + symbol + "]}";
        record.step("Δ" + symbol, "({" + symbol + "} − " + allowed + ")·100/" + allowed,
                    {row.verdict.sigma, row.verdict.allowed, row.verdict.allowed}, row.verdict.delta, "%");
        record.decision(verdictSentence(row));
    }
    if (Message blank = blankNote(pair); !blank.empty())
        record.decision(std::move(blank));
    if (design) {
        state.sigmaHPfinal = pair.sigmaHPfinal;
        state.sigmaFP1final = pair.sigmaFP1final;
        state.sigmaFP2final = pair.sigmaFP2final;
        state.steelRow = pair.steelRow;
    }
}

} // namespace

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
        judgeStrength(state, index, record);
    } else {
        // A grade from an earlier pass would name a steel nobody chose now.
        state.steelGrade.clear();
        StepRecorder record(state, ScreenId::okon);
        record.given({index, {}});
        record.decision(GEAR_TR("walkthrough", "Сталь не выбрана: остаются рабочие напряжения"));
        judgeStrength(state, index, record);
    }
    // The results of the design name the steel taken with them.
    if (auto& design = state.results[static_cast<size_t>(Mode::Transmission)])
        design->steelGrade = state.steelGrade;
    return Outcome::openNext(ScreenId::okonchanie);
}

} // namespace gear
