// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include <benchmark/benchmark.h>

namespace gear {
namespace {

CalcState hardenedState()
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    recommendHardness(s, 5);
    chooseSurfaceHardening(s, 3);
    chooseSteelGrade(s, ScreenId::stal4, 1);
    return s;
}

void HardnessRecommendation(benchmark::State& run)
{
    CalcState s = startUpState();
    for (auto _ : run)
        benchmark::DoNotOptimize(recommendHardness(s, 5));
}
BENCHMARK(HardnessRecommendation);

void SteelGrade(benchmark::State& run)
{
    CalcState s = hardenedState();
    for (auto _ : run)
        benchmark::DoNotOptimize(chooseSteelGrade(s, ScreenId::stal4, 1));
}
BENCHMARK(SteelGrade);

void TransmissionDesign(benchmark::State& run)
{
    CalcState s = hardenedState();
    const TransmissionInput input{"20", "12", "100", "4.0"};
    for (auto _ : run)
        benchmark::DoNotOptimize(designTransmission(s, input));
}
BENCHMARK(TransmissionDesign);

void StandardModule(benchmark::State& run)
{
    CalcState s = hardenedState();
    designTransmission(s, {"20", "", "100", "4.0"});
    for (auto _ : run)
        benchmark::DoNotOptimize(chooseModule(s, "2.5", ""));
}
BENCHMARK(StandardModule);

void FinalMaterial(benchmark::State& run)
{
    CalcState s = hardenedState();
    for (auto _ : run)
        benchmark::DoNotOptimize(chooseFinalSteel(s, 21));
}
BENCHMARK(FinalMaterial);

void WheelEntry(benchmark::State& run)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    const WheelInput input{"40", "10", "30", "105", "20", "40"};
    for (auto _ : run)
        benchmark::DoNotOptimize(enterWheel(s, input));
}
BENCHMARK(WheelEntry);

void WheelModuleChoice(benchmark::State& run)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    enterWheel(s, {"40", "10", "30", "105", "20", "40"});
    for (auto _ : run)
        benchmark::DoNotOptimize(chooseModule(s, "2.5", ""));
}
BENCHMARK(WheelModuleChoice);

void CheckCalculation(benchmark::State& run)
{
    CalcState s = startUpState();
    chooseCheckMode(s);
    chooseRequirements(s, 1);
    chooseSurfaceHardening(s, 3);
    chooseSteelGrade(s, ScreenId::stal4, 1);
    const CheckInput input{"240", "60", "10", "40"};
    for (auto _ : run)
        benchmark::DoNotOptimize(checkPermissibleLoad(s, input));
}
BENCHMARK(CheckCalculation);

void NumberConversions(benchmark::State& run)
{
    for (auto _ : run)
        benchmark::DoNotOptimize(numberToText(Number(numberFromText(" 787.095928079926 "))));
}
BENCHMARK(NumberConversions);

// The description of a drawing, laid out once at a given scale: the wheel
// screen's area, and a sheet of paper, which tries the standard scales.
CalcState workedWheel(const char* da, const char* m)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    enterWheel(s, {"40", "", "30", da, "20", "40"});
    chooseModule(s, m, "");
    return s;
}

void WheelDrawingOnScreen(benchmark::State& run)
{
    const CalcState s = workedWheel("105", "2.5");
    DrawingTarget area;
    area.paper = false;
    area.width = 106;
    area.height = 116;
    for (auto _ : run)
        benchmark::DoNotOptimize(modeDrawing(s, Mode::Wheel, area));
}
BENCHMARK(WheelDrawingOnScreen)->Unit(benchmark::kMicrosecond);

void WheelDrawingOnPaper(benchmark::State& run)
{
    const CalcState s = workedWheel(run.range(0) == 0 ? "105" : "840", run.range(0) == 0 ? "2.5" : "20");
    for (auto _ : run)
        benchmark::DoNotOptimize(modeDrawing(s, Mode::Wheel, DrawingTarget{}));
    run.SetLabel(run.range(0) == 0 ? "da 105, A4 1:1" : "da 840, A3 1:5");
}
BENCHMARK(WheelDrawingOnPaper)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gear
