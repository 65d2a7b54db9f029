#include "shell/walkthrough.h"

#include "shell/calc_state.h"
#include "shell/number_text.h"

#include <algorithm>

namespace gear {

namespace {

std::optional<CalculationMode> modeOf(const CalcState& state)
{
    if (state.modeKol)
        return CalculationMode::Wheel;
    if (state.modePer)
        return CalculationMode::Transmission;
    if (state.modeProv)
        return CalculationMode::Check;
    return std::nullopt;
}

template <typename Emit>
std::string render(const Step& step, Emit emit)
{
    std::string text;
    size_t value = 0;
    for (size_t i = 0; i < step.formula.size(); ++i) {
        if (step.formula[i] != '{') {
            text += step.formula[i];
            continue;
        }
        const size_t close = step.formula.find('}', i);
        const std::string_view symbol(step.formula.data() + i + 1, close - i - 1);
        text += emit(symbol, value < step.values.size() ? step.values[value] : 0.0);
        ++value;
        i = close;
    }
    return text;
}

} // namespace

std::string symbolicForm(const Step& step)
{
    return render(step, [](std::string_view symbol, double) { return std::string(symbol); });
}

std::string substitutedForm(const Step& step, std::string_view decimalSeparator)
{
    return render(step, [&](std::string_view, double value) {
        const std::string number = numberToText(value, 4, decimalSeparator);
        return value < 0 ? "(" + number + ")" : number;
    });
}

StepRecorder::StepRecorder(CalcState& state, ScreenId screen, bool startsChain)
    : m_state(&state), m_mode(modeOf(state))
{
    if (!m_mode)
        return;
    auto& groups = m_state->walkthrough.modes[static_cast<size_t>(*m_mode)];
    if (startsChain || !groups)
        groups.emplace();
    const auto same = std::find_if(groups->begin(), groups->end(),
                                   [screen](const StepGroup& g) { return g.screen == screen; });
    groups->erase(same, groups->end());
    groups->push_back({screen, {}, {}});
    m_group = groups->size() - 1;
}

StepGroup* StepRecorder::group()
{
    if (!m_state || !m_mode)
        return nullptr;
    auto& groups = m_state->walkthrough.modes[static_cast<size_t>(*m_mode)];
    return groups && m_group < groups->size() ? &(*groups)[m_group] : nullptr;
}

void StepRecorder::step(std::string quantity, std::string formula, std::vector<double> values, double result,
                        std::string unit)
{
    if (StepGroup* g = group())
        g->steps.push_back({std::move(quantity), std::move(formula), std::move(values), result, std::move(unit), {}});
}

void StepRecorder::decision(std::string text)
{
    if (StepGroup* g = group())
        g->steps.push_back({{}, {}, {}, 0, {}, std::move(text)});
}

void StepRecorder::refuse(std::string reason)
{
    if (StepGroup* g = group()) {
        g->steps.clear();
        g->refusal = std::move(reason);
    }
}

} // namespace gear
