// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_answers.h"

#include "file/variant_list.h"
#include "file/variant_steps.h"
#include "geometry/mesh_checks.h"
#include "geometry/module_choice.h"
#include "geometry/pair_checks.h"
#include "geometry/results.h"
#include "geometry/standard_series.h"
#include "shell/number_text.h"

#include <algorithm>

namespace gear {

namespace detail {

namespace {

std::string shownNumber(Number value)
{
    return numberToText(value, ".");
}

bool isPlainName(std::string_view text)
{
    if (text.empty() || text.size() > 64 || text.front() == '.')
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
               c == '_' || c == '.';
    });
}

} // namespace

namespace {

// A pair's answers: the design and standard modules, the sizes, the
// stresses, the steel, the verdicts with their margins, the actual ratio,
// the standard centre distance and the forces in mesh.
std::vector<std::string> transmissionAnswers(const Quantities& q, const std::optional<ModeResults>& kept,
                                             double designModule)
{
    std::vector<std::string> answers{shownNumber(designModule), shownNumber(q.m),
                                     shownNumber(q.d),          shownNumber(q.d2),
                                     shownNumber(q.da),         shownNumber(q.da2),
                                     shownNumber(q.df),         shownNumber(q.df2),
                                     shownNumber(q.aw),         shownNumber(q.bw1),
                                     shownNumber(q.bw2),        shownNumber(q.sigmaF1),
                                     shownNumber(q.sigmaF2),    shownNumber(q.sigmaH1),
                                     shownNumber(q.sigmaH2),    kept ? kept->steelGrade : std::string()};
    // The verdicts of contact, pinion and wheel bending, by key words
    // that read the same in every language.
    const std::vector<VerdictRow> verdicts = kept ? strengthVerdicts(q) : std::vector<VerdictRow>();
    for (size_t i = 0; i < 3; ++i) {
        if (i < verdicts.size()) {
            const LoadWord word = verdicts[i].verdict.word;
            answers.push_back(shownNumber(verdicts[i].verdict.delta));
            answers.push_back(word == LoadWord::Overload  ? "overload"
                              : word == LoadWord::Reserve ? "reserve"
                                                          : "normal");
        } else {
            answers.insert(answers.end(), 2, std::string());
        }
    }
    const bool pair = kept && q.d > 0.0;
    const MeshForces forces = pair ? meshForces(q.T1, q.d, q.beta) : MeshForces{};
    const auto shownIf = [&](double value) { return pair ? shownNumber(value) : std::string(); };
    answers.push_back(pair && q.Z1 > 0.0 ? shownNumber(q.Z2 / q.Z1) : std::string());
    answers.push_back(shownIf(standardCentreDistance(q.aw)));
    answers.push_back(shownIf(forces.Ft));
    answers.push_back(shownIf(forces.Fr));
    answers.push_back(shownIf(forces.Fa));
    return answers;
}

} // namespace

std::vector<std::string> answersOf(const CalcState& s, double designModule, Mode mode)
{
    const auto& kept = s.results[static_cast<size_t>(mode)];
    const Quantities& q = kept ? kept->values : static_cast<const Quantities&>(s);
    switch (mode) {
    case Mode::Transmission: return transmissionAnswers(q, kept, designModule);
    case Mode::Wheel: {
        const ScreenId sketch = wheelSketchScreen(q.da);
        const std::string design = sketch == ScreenId::vivod1   ? "solid"
                                   : sketch == ScreenId::vivod2 ? "disc"
                                                                : "spoked";
        // Only the dimensions the design's sketch gives.
        auto shownIf = [&](Number Quantities::*field) {
            for (const SketchRow& row : sketchRows(sketch)) {
                if (row.value == field)
                    return shownNumber(q.*field);
            }
            return std::string();
        };
        using Q = Quantities;
        return {shownNumber(q.mcalc), shownNumber(q.m),   design,           shownIf(&Q::d),      shownIf(&Q::df),
                shownIf(&Q::da),      shownIf(&Q::dvStd), shownIf(&Q::bw1), shownIf(&Q::dstStd), shownIf(&Q::LstStd),
                shownIf(&Q::D0),      shownIf(&Q::d0),    shownIf(&Q::C),   shownIf(&Q::Delta0), shownIf(&Q::R),
                shownIf(&Q::L)};
    }
    case Mode::Check: return {shownNumber(q.m), shownNumber(q.Psibm), shownNumber(q.Tcalc)};
    }
    return {};
}

} // namespace detail

std::vector<std::string_view> answerColumns(Mode mode)
{
    switch (mode) {
    case Mode::Transmission:
        return {"transmission.m_design_mm",
                "transmission.m_mm",
                "transmission.d1_mm",
                "transmission.d2_mm",
                "transmission.da1_mm",
                "transmission.da2_mm",
                "transmission.df1_mm",
                "transmission.df2_mm",
                "transmission.aw_mm",
                "transmission.bw1_mm",
                "transmission.bw2_mm",
                "transmission.sigmaF1_MPa",
                "transmission.sigmaF2_MPa",
                "transmission.sigmaH1_MPa",
                "transmission.sigmaH2_MPa",
                "transmission.steel",
                "transmission.contact_delta_pct",
                "transmission.contact_word",
                "transmission.bending1_delta_pct",
                "transmission.bending1_word",
                "transmission.bending2_delta_pct",
                "transmission.bending2_word",
                "transmission.Uf",
                "transmission.aw_std_mm",
                "transmission.Ft_N",
                "transmission.Fr_N",
                "transmission.Fa_N"};
    case Mode::Wheel:
        return {"wheel.mcalc_mm", "wheel.m_mm",      "wheel.design",    "wheel.d_mm",      "wheel.df_mm", "wheel.da_mm",
                "wheel.dvStd_mm", "wheel.bw1_mm",    "wheel.dstStd_mm", "wheel.LstStd_mm", "wheel.D0_mm", "wheel.d0_mm",
                "wheel.C_mm",     "wheel.Delta0_mm", "wheel.R_mm",      "wheel.L_mm"};
    case Mode::Check: return {"check.m_mm", "check.Psibm", "check.T_Nm"};
    }
    return {};
}

std::string answersHeader(const ModeSet& modes)
{
    std::string csv = "line,variant,mode";
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!modes[m])
            continue;
        for (const std::string_view column : answerColumns(static_cast<Mode>(m)))
            csv += ',' + std::string(column);
    }
    return csv + '\n';
}

std::string answersRow(const VariantResult& result, const ModeSet& modes)
{
    std::string csv = std::to_string(result.line) + ',' + csvCell(result.variant) + ',' +
                      std::string(detail::kModeNames[static_cast<size_t>(result.mode)]);
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!modes[m])
            continue;
        const Mode mode = static_cast<Mode>(m);
        const size_t count = answerColumns(mode).size();
        for (size_t i = 0; i < count; ++i)
            csv += ',' + (mode == result.mode ? csvCell(result.answers[i]) : std::string());
    }
    return csv + '\n';
}

std::string answersCsv(const VariantRun& run)
{
    std::string csv = answersHeader(run.modes);
    for (const VariantResult& result : run.results)
        csv += answersRow(result, run.modes);
    return csv;
}

std::string variantFileName(const VariantResult& result)
{
    if (detail::isPlainName(result.variant))
        return result.variant + ".txt";
    return "line-" + std::to_string(result.line) + ".txt";
}

} // namespace gear
