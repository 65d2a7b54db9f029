// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation file and the lists of variants: opening a file (reading,
// running every Ok again, checking), saving one, and a group's list.
#include "file/calculation_file.h"
#include "file/variant_list.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace gear {
namespace {

// A student's whole work: a design, a wheel and a check.
CalcState fullCalculation()
{
    CalcState s = startUpState();
    const std::vector<GivenStep> steps{
        {Mode::Transmission, ScreenId::ATverd, {5, {}}},
        {Mode::Transmission, ScreenId::Czakalka2, {3, {}}},
        {Mode::Transmission, ScreenId::stal4, {1, {}}},
        {Mode::Transmission, ScreenId::Vvod2, {0, {"20", "12", "100", "4.0"}}},
        {Mode::Transmission, ScreenId::Vibor, {0, {"2.5", ""}}},
        {Mode::Transmission, ScreenId::okon, {21, {}}},
        {Mode::Wheel, ScreenId::Vvod, {0, {"40", "", "30", "420", "20", "40"}}},
        {Mode::Wheel, ScreenId::Vibor, {0, {"10.0", ""}}},
        {Mode::Check, ScreenId::trebov2, {2, {}}},
        {Mode::Check, ScreenId::BNormal2, {2, {}}},
        {Mode::Check, ScreenId::stal2, {1, {}}},
        {Mode::Check, ScreenId::Vvod3, {0, {"240", "60", "", "40"}}},
    };
    for (const GivenStep& step : steps)
        runStep(s, step);
    return s;
}

void OpenFile(benchmark::State& run)
{
    const std::string text = saveCalculation(fullCalculation()).text;
    for (auto _ : run)
        benchmark::DoNotOptimize(openCalculation(text));
}
BENCHMARK(OpenFile)->Unit(benchmark::kMicrosecond);

void SaveFile(benchmark::State& run)
{
    const CalcState s = fullCalculation();
    for (auto _ : run)
        benchmark::DoNotOptimize(saveCalculation(s));
}
BENCHMARK(SaveFile)->Unit(benchmark::kMicrosecond);

// 10,000 transmission variants, as a lecturer's list of a large course.
std::string variantList(int count)
{
    std::string csv = "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel\n";
    for (int i = 0; i < count; ++i) {
        csv += std::to_string(i + 1) + ",transmission,5,3,1," + std::to_string(18 + i % 20) + "," +
               std::to_string(i % 16) + "," + std::to_string(50 + i % 300) + ",4.0,2.5,21\n";
    }
    return csv;
}

void TenThousandVariants(benchmark::State& run)
{
    const std::string csv = variantList(10000);
    for (auto _ : run)
        benchmark::DoNotOptimize(answersCsv(computeVariants(csv)));
}
BENCHMARK(TenThousandVariants)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gear
