#include "material/hardness_recommendation.h"

#include <array>

namespace gear {

namespace {

struct Recommendation {
    double H1; // pinion
    double H2; // wheel
    bool brinell;
};

// Middles of the ranges: 200...210 / 160...170 HB, 300...340 / 240...280 HB,
// then 45..52, 50..56, 56..63 (twice) and 50..60 HRC.
constexpr std::array<Recommendation, 7> kRows{{
    {205, 165, true},
    {320, 260, true},
    {48.5, 48.5, false},
    {53, 53, false},
    {59.5, 59.5, false},
    {59.5, 59.5, false},
    {55, 55, false},
}};

} // namespace

Outcome recommendHardness(CalcState& state, int row)
{
    if (row < 1 || row > static_cast<int>(kRows.size()))
        return Outcome::stay();
    const Recommendation& chosen = kRows[static_cast<size_t>(row - 1)];
    state.H1 = chosen.H1;
    state.H2 = chosen.H2;
    // The kind of the row taken last decides, so a soft-teeth design after a
    // hardened one is not sent down the hardened path.
    state.isHB = chosen.brinell;
    state.isHRC = !chosen.brinell;
    return Outcome::openNext(chosen.brinell ? ScreenId::BNormal2 : ScreenId::Czakalka2);
}

} // namespace gear
