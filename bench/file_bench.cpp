// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation file and the lists of variants: opening a file (reading,
// running every Ok again, checking), saving one, a hostile file of each
// shape, and a group's list.
#include "file/calculation_file.h"
#include "file/variant_list.h"

#include <benchmark/benchmark.h>

#include <cstdint>

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

// Files of just under 1 MiB, the most a calculation file may be, each of
// one hostile shape; every one must be answered in a few milliseconds,
// however its text is arranged.
enum class Shape { KeyFlood, NestedKeyFlood, DeepNesting, LongString, LongKey, LongList };

constexpr const char* kShapeNames[] = {"unknown keys",       "unknown keys inside a screen",
                                       "nesting 1 MiB deep", "one string of 1 MiB",
                                       "one key of 1 MiB",   "a list of 500,000 numbers"};

// Short distinct keys: 0 … zzzz, in base 36.
std::string shortKey(int i)
{
    std::string key;
    do {
        key += "0123456789abcdefghijklmnopqrstuvwxyz"[i % 36];
        i /= 36;
    } while (i > 0);
    return key;
}

std::string hostileFile(Shape shape, int& keys)
{
    const size_t size = kMaxCalculationFileSize - 64;
    const std::string head = "{\"format\":\"gearwheel-calculation\",\"version\":1";
    std::string text;
    switch (shape) {
    case Shape::KeyFlood:
    case Shape::NestedKeyFlood:
        text = shape == Shape::KeyFlood
                   ? head
                   : head + ",\"modes\":{\"transmission\":{\"screens\":[{\"order\":1,\"screen\":\"ATverd\",\"row\":5";
        for (keys = 0; text.size() < size; ++keys)
            text += ",\"" + shortKey(keys) + "\":0";
        return text + (shape == Shape::KeyFlood ? "}" : "}]}}}");
    case Shape::DeepNesting: return std::string(size / 2, '[') + std::string(size / 2, ']');
    case Shape::LongString:
        text = head + ",\"modes\":{\"transmission\":{\"screens\":[{\"order\":1,\"screen\":\"";
        return text + std::string(size - text.size(), 'V') + "\"}]}}}";
    case Shape::LongKey: return "{\"" + std::string(size, 'k') + "\":0}";
    case Shape::LongList:
        text = "[0";
        while (text.size() < size)
            text += ",0";
        return text + "]";
    }
    return text;
}

void OpenHostileFile(benchmark::State& run)
{
    const auto shape = static_cast<Shape>(run.range(0));
    int keys = 0;
    const std::string text = hostileFile(shape, keys);
    for (auto _ : run)
        benchmark::DoNotOptimize(openCalculation(text));
    run.SetLabel(keys > 0 ? std::to_string(keys) + " " + kShapeNames[run.range(0)] : kShapeNames[run.range(0)]);
    run.SetBytesProcessed(static_cast<int64_t>(run.iterations() * text.size()));
}
BENCHMARK(OpenHostileFile)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

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
