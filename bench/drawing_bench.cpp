// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings of the wheels and pairs the screens accept, at the edges of
// what they accept: tip diameters from 20 to 4000 mm, face widths from 5 to
// 500 mm, a shaft as thick as the rim allows; each laid out for a sheet of
// paper (which tries the standard scales) and for the screen's area.
#include "geometry/module_choice.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "strength/transmission_design.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace gear {
namespace {

struct WheelCase {
    const char* name;
    double da;
    double bw;
    double dv;
};

// Z = 40: the module is da / 42.
constexpr std::array<WheelCase, 9> kWheels{{
    {"solid da 20 bw 5 dv 5", 20, 5, 5},
    {"solid da 20 bw 500 dv 14", 20, 500, 14},
    {"solid da 249 bw 500 dv 180", 249, 500, 180},
    {"disc da 250 bw 5 dv 10", 250, 5, 10},
    {"disc da 600 bw 500 dv 450", 600, 500, 450},
    {"spoked da 601 bw 5 dv 20", 601, 5, 20},
    {"spoked da 4000 bw 5 dv 30", 4000, 5, 30},
    {"spoked da 4000 bw 500 dv 3000", 4000, 500, 3000},
    {"spoked da 4000 bw 500 dv 200", 4000, 500, 200},
}};

CalcState wheelState(const WheelCase& c)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    // A hub half as long again as the shaft is thick, the proportion of the
    // course's wheel body, within the 4000 mm a length may be.
    enterWheel(s, {"40", "", numberToText(Number(c.dv)), numberToText(Number(c.da)), numberToText(Number(c.bw)),
                   numberToText(Number(std::min(1.5 * c.dv, 4000.0)))});
    chooseModule(s, numberToText(Number(std::round(c.da / 42 * 100) / 100)), "");
    return s;
}

struct PairCase {
    const char* name;
    const char* Z1;
    const char* T1; // N·m
    const char* U;
    const char* m;
};

constexpr std::array<PairCase, 2> kPairs{{
    {"pair worked, m 2.5", "20", "100", "4.0", "2.5"},
    {"pair large, m 20", "40", "100000", "6.3", "20"},
}};

CalcState pairState(const PairCase& c)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    s.sigmaF1 = 950;
    s.sigmaF2 = 950;
    s.sigmaH1 = 1000;
    s.sigmaH2 = 1000;
    keepMaterial(s, Mode::Transmission);
    designTransmission(s, {c.Z1, "", c.T1, c.U});
    chooseModule(s, c.m, "");
    chooseFinalSteel(s, 21);
    return s;
}

DrawingTarget screenArea()
{
    DrawingTarget area;
    area.paper = false;
    area.width = 200;
    area.height = 122;
    return area;
}

void run(benchmark::State& state, const CalcState& s, Mode mode, const DrawingTarget& target, const std::string& name)
{
    if (!modeDrawing(s, mode, target)) {
        state.SkipWithError("no drawing: the state was refused");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(modeDrawing(s, mode, target));
    state.SetLabel(name);
}

void WheelOnPaper(benchmark::State& state)
{
    const WheelCase& c = kWheels[static_cast<size_t>(state.range(0))];
    run(state, wheelState(c), Mode::Wheel, DrawingTarget{}, c.name);
}
BENCHMARK(WheelOnPaper)->DenseRange(0, kWheels.size() - 1)->Unit(benchmark::kMicrosecond);

void WheelOnScreen(benchmark::State& state)
{
    const WheelCase& c = kWheels[static_cast<size_t>(state.range(0))];
    run(state, wheelState(c), Mode::Wheel, screenArea(), c.name);
}
BENCHMARK(WheelOnScreen)->DenseRange(0, kWheels.size() - 1)->Unit(benchmark::kMicrosecond);

void PairOnPaper(benchmark::State& state)
{
    const PairCase& c = kPairs[static_cast<size_t>(state.range(0))];
    run(state, pairState(c), Mode::Transmission, DrawingTarget{}, c.name);
}
BENCHMARK(PairOnPaper)->DenseRange(0, kPairs.size() - 1)->Unit(benchmark::kMicrosecond);

void PairOnScreen(benchmark::State& state)
{
    const PairCase& c = kPairs[static_cast<size_t>(state.range(0))];
    run(state, pairState(c), Mode::Transmission, screenArea(), c.name);
}
BENCHMARK(PairOnScreen)->DenseRange(0, kPairs.size() - 1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gear
