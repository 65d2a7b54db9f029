#include "material/treatment_method.h"

#include <array>

namespace gear {

std::optional<ScreenId> inputScreenOfMode(const CalcState& state)
{
    if (state.modePer)
        return ScreenId::Vvod2;
    if (state.modeProv)
        return ScreenId::Vvod3;
    return std::nullopt;
}

namespace {

// The check mode asks for no hardness, so the middle of the treatment's
// surface range stands for it: the same wheel then always gets the same
// limits, whatever an earlier design left in the state.
void presetCheckedHardness(CalcState& state, double hardness)
{
    if (state.modeProv) {
        state.H1 = hardness;
        state.H2 = hardness;
    }
}

} // namespace

Outcome chooseThroughHardening(CalcState& state, int option)
{
    state.Sh = 1.1;
    if (option != 1 && option != 2)
        return Outcome::stay();
    presetCheckedHardness(state, 265); // 180...350 HB
    return Outcome::openNext(option == 1 ? ScreenId::stal1 : ScreenId::stal2);
}

Outcome chooseSurfaceHardening(CalcState& state, int option)
{
    state.Sh = 1.2;
    if (option < 1 || option > 5)
        return Outcome::stay();
    // Middles of 45...56, 48...58, 57...63, 56...63 and 50...60 HRC.
    constexpr std::array<double, 5> kSurfaceHardness{50.5, 53, 60, 59.5, 55};
    presetCheckedHardness(state, kSurfaceHardness[static_cast<size_t>(option - 1)]);
    constexpr std::array<ScreenId, 4> kSteelScreens{ScreenId::stal3, ScreenId::stal2, ScreenId::stal4,
                                                    ScreenId::stal5};
    if (option <= 4)
        return Outcome::openNext(kSteelScreens[static_cast<size_t>(option - 1)]);

    // Nitriding: the steel 30Х2МЮА, whatever the hardness.
    state.sigmaH1 = 1050;
    state.sigmaH2 = 1050;
    state.sigmaF1 = 1.2 * state.H1 + 300;
    state.sigmaF2 = 1.2 * state.H2 + 300;
    if (const auto next = inputScreenOfMode(state))
        return Outcome::openNext(*next);
    return Outcome::stay();
}

} // namespace gear
