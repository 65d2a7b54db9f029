// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/treatment_method.h"

#include "shell/mode_commands.h"
#include "shell/walkthrough.h"

#include <array>
#include <string>

namespace gear {

namespace {

// A treatment screen serves the chain of the mode in force: it takes that
// chain's material, and keeps what it changed in it when its Ok returns.
class MaterialOfChain final {
public:
    explicit MaterialOfChain(CalcState& state) : m_state(state)
    {
        if (m_state.mode)
            takeMaterial(m_state, *m_state.mode);
    }
    ~MaterialOfChain()
    {
        if (m_state.mode)
            keepMaterial(m_state, *m_state.mode);
    }
    MaterialOfChain(const MaterialOfChain&) = delete;
    MaterialOfChain& operator=(const MaterialOfChain&) = delete;

private:
    CalcState& m_state;
};

// The check mode asks for no hardness, so the middle of the treatment's
// surface range stands for it: the same wheel then always gets the same
// limits, whatever an earlier design left in the state.
void presetCheckedHardness(CalcState& state, StepRecorder& record, double low, double high, const char* unit)
{
    if (state.mode == Mode::Check) {
        state.H1 = (low + high) / 2.0;
        state.H2 = state.H1;
        record.step("H_1 = H_2", "({H_min} + {H_max})/2", {low, high}, state.H1, unit);
    }
}

} // namespace

std::vector<std::string_view> treatmentOptions(ScreenId screen)
{
    if (screen == ScreenId::BNormal2)
        return {GEAR_TR_NOOP("treatment", "Нормализация"), GEAR_TR_NOOP("treatment", "Улучшение")};
    if (screen == ScreenId::Czakalka2)
        return {GEAR_TR_NOOP("treatment", "Объемная закалка"), GEAR_TR_NOOP("treatment", "Поверхностная закалка ТВЧ"),
                GEAR_TR_NOOP("treatment", "Цементация"), GEAR_TR_NOOP("treatment", "Нитроцементация"),
                GEAR_TR_NOOP("treatment", "Азотирование")};
    return {};
}

Outcome chooseThroughHardening(CalcState& state, int option)
{
    MaterialOfChain material(state);
    state.Sh = 1.1;
    if (option != 1 && option != 2)
        return Outcome::stay();
    StepRecorder record(state, ScreenId::BNormal2);
    record.given({option, {}});
    record.decision(Message("treatment", treatmentOptions(ScreenId::BNormal2)[static_cast<size_t>(option - 1)]));
    record.step("S_H", "1.1", {}, state.Sh);
    presetCheckedHardness(state, record, 180, 350, "HB");
    return Outcome::openNext(option == 1 ? ScreenId::stal1 : ScreenId::stal2);
}

Outcome chooseSurfaceHardening(CalcState& state, int option)
{
    MaterialOfChain material(state);
    state.Sh = 1.2;
    if (option < 1 || option > 5)
        return Outcome::stay();
    struct Hardness {
        double low, high; // surface hardness, HRC
    };
    // In the order of the screen's options.
    constexpr std::array<Hardness, 5> kSurfaceHardness{{{45, 56}, {48, 58}, {57, 63}, {56, 63}, {50, 60}}};
    const Hardness& treatment = kSurfaceHardness[static_cast<size_t>(option - 1)];
    StepRecorder record(state, ScreenId::Czakalka2);
    record.given({option, {}});
    record.decision(Message("treatment", treatmentOptions(ScreenId::Czakalka2)[static_cast<size_t>(option - 1)]));
    record.step("S_H", "1.2", {}, state.Sh);
    presetCheckedHardness(state, record, treatment.low, treatment.high, "HRC");
    constexpr std::array<ScreenId, 4> kSteelScreens{ScreenId::stal3, ScreenId::stal2, ScreenId::stal4, ScreenId::stal5};
    if (option <= 4)
        return Outcome::openNext(kSteelScreens[static_cast<size_t>(option - 1)]);

    // Nitriding: the steel 30Х2МЮА, whatever the hardness.
    state.sigmaH1 = 1050;
    state.sigmaH2 = 1050;
    state.sigmaF1 = 1.2 * state.H1 + 300;
    state.sigmaF2 = 1.2 * state.H2 + 300;
    record.step("σ_H1 = σ_H2", "1050", {}, state.sigmaH1, unit::MPa);
    record.step("σ_F1", "1.2·{H_1} + 300", {state.H1}, state.sigmaF1, unit::MPa);
    record.step("σ_F2", "1.2·{H_2} + 300", {state.H2}, state.sigmaF2, unit::MPa);
    if (const auto next = inputScreenOfMode(state))
        return Outcome::openNext(*next);
    return Outcome::stay();
}

} // namespace gear
