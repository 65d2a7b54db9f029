// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/hardness_recommendation.h"

#include "shell/walkthrough.h"

#include <array>
#include <string>

namespace gear {

namespace {

struct Recommendation {
    double pinionLow, pinionHigh; // recommended surface hardness of the pinion
    double wheelLow, wheelHigh;   // and of the wheel
    bool brinell;
};

constexpr std::array<Recommendation, 7> kRows{{
    {200, 210, 160, 170, true},
    {300, 340, 240, 280, true},
    {45, 52, 45, 52, false},
    {50, 56, 50, 56, false},
    {56, 63, 56, 63, false},
    {56, 63, 56, 63, false},
    {50, 60, 50, 60, false},
}};

} // namespace

Outcome recommendHardness(CalcState& state, int row)
{
    if (row < 1 || row > static_cast<int>(kRows.size()))
        return Outcome::stay();
    const Recommendation& chosen = kRows[static_cast<size_t>(row - 1)];
    // The first screen of the design's chain starts it, and its material,
    // afresh.
    state.mode = Mode::Transmission;
    startMaterial(state, Mode::Transmission);
    // The middle of each recommended range.
    state.H1 = (chosen.pinionLow + chosen.pinionHigh) / 2.0;
    state.H2 = (chosen.wheelLow + chosen.wheelHigh) / 2.0;
    // The kind of the row taken last decides, so a soft-teeth design after a
    // hardened one is not sent down the hardened path.
    state.isHB = chosen.brinell;
    state.isHRC = !chosen.brinell;
    keepMaterial(state, Mode::Transmission);

    StepRecorder record(state, ScreenId::ATverd, true);
    record.given({row, {}});
    const std::string unit = chosen.brinell ? "HB" : "HRC";
    record.step("H_1", "({H_1min} + {H_1max})/2", {chosen.pinionLow, chosen.pinionHigh}, state.H1, unit);
    record.step("H_2", "({H_2min} + {H_2max})/2", {chosen.wheelLow, chosen.wheelHigh}, state.H2, unit);
    record.decision(chosen.brinell ? GEAR_TR("walkthrough", "Твёрдость в HB: зубья нормализованные или улучшенные")
                                   : GEAR_TR("walkthrough", "Твёрдость в HRC: зубья с поверхностным упрочнением"));
    return Outcome::openNext(chosen.brinell ? ScreenId::BNormal2 : ScreenId::Czakalka2);
}

} // namespace gear
