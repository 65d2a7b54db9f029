// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/walkthrough.h"

#include "shell/calc_state.h"
#include "shell/formula.h"
#include "shell/number_text.h"

#include <algorithm>

namespace gear {

namespace {

// Calls `literal` with each run of plain text and `symbol` with each
// placeholder's name, in order.
template <typename Literal, typename Symbol>
void scan(std::string_view formula, Literal literal, Symbol symbol)
{
    size_t i = 0;
    while (i < formula.size()) {
        const size_t open = formula.find('{', i);
        const size_t close = open == std::string_view::npos ? open : formula.find('}', open);
        if (close == std::string_view::npos) {
            literal(formula.substr(i));
            return;
        }
        literal(formula.substr(i, open - i));
        symbol(formula.substr(open + 1, close - open - 1));
        i = close + 1;
    }
}

// The formula with each run of plain text in `decimalSeparator` and each
// placeholder as `emit` writes it. A translated formula keeps its
// placeholders in the order of the values.
template <typename Emit>
std::string render(const Step& step, std::string_view formula, std::string_view decimalSeparator, Emit emit)
{
    std::string text;
    size_t value = 0;
    scan(
        formula, [&](std::string_view plain) { text += withDecimalSeparator(plain, decimalSeparator); },
        [&](std::string_view symbol) {
            text += emit(symbol, value < step.values.size() ? step.values[value] : 0.0);
            ++value;
        });
    return text;
}

std::vector<std::string_view> symbolsOf(std::string_view formula)
{
    std::vector<std::string_view> symbols;
    scan(
        formula, [](std::string_view) {}, [&](std::string_view symbol) { symbols.push_back(symbol); });
    return symbols;
}

std::string formulaOf(const Step& step, const Translator& translate)
{
    std::string formula = translated(translate, "formula", step.formula);
    // The values go to the placeholders in order: a translation that moved
    // or lost one would put the numbers under the wrong symbols.
    return symbolsOf(formula) == symbolsOf(step.formula) ? formula : step.formula;
}

std::string symbolOf(std::string_view symbol, const Translator& translate)
{
    return translated(translate, "symbol", symbol);
}

} // namespace

size_t placeholderCount(std::string_view formula)
{
    size_t count = 0;
    scan(
        formula, [](std::string_view) {}, [&](std::string_view) { ++count; });
    return count;
}

std::string symbolicForm(const Step& step, std::string_view decimalSeparator, const Translator& translate)
{
    return render(step, formulaOf(step, translate), decimalSeparator,
                  [&](std::string_view symbol, double) { return symbolOf(symbol, translate); });
}

std::string quantityText(const Step& step, const Translator& translate)
{
    return symbolOf(step.quantity, translate);
}

std::string unitText(const Step& step, const Translator& translate)
{
    return translated(translate, "unit", step.unit);
}

namespace {

std::string substitutedWith(const Step& step, std::string_view formula, int digits, std::string_view decimalSeparator)
{
    return render(step, formula, decimalSeparator, [&](std::string_view, double value) {
        const std::string number = numberToText(value, digits, decimalSeparator);
        return value < 0 ? "(" + number + ")" : number;
    });
}

} // namespace

int substitutionDigits(const Step& step)
{
    // The fewest digits, from four up, with which the arithmetic as shown
    // gives the result as shown; a look-up or a rounding to a preferred size
    // cannot be redone by hand this way and keeps four.
    constexpr int kFewest = 4;
    const std::string shownResult = numberToText(step.result, kResultDigits, ".");
    for (int digits = kFewest; digits <= 15; ++digits) {
        const std::optional<double> redone = evaluateFormula(substitutedWith(step, step.formula, digits, "."));
        if (!redone)
            return kFewest;
        if (numberToText(*redone, kResultDigits, ".") == shownResult)
            return digits;
    }
    return 15;
}

std::string substitutedForm(const Step& step, std::string_view decimalSeparator, const Translator& translate)
{
    return substitutedWith(step, formulaOf(step, translate), substitutionDigits(step), decimalSeparator);
}

std::string resultText(const Step& step, std::string_view decimalSeparator)
{
    return numberToText(step.result, kResultDigits, decimalSeparator);
}

void forgetResultsOfCutChain(CalcState& state, Mode mode)
{
    const auto& groups = state.walkthrough.modes[static_cast<size_t>(mode)];
    const bool kept = groups && std::any_of(groups->begin(), groups->end(),
                                            [](const StepGroup& g) { return g.keepsResults && g.refusal.empty(); });
    if (!kept)
        state.results[static_cast<size_t>(mode)].reset();
}

std::optional<Mode> chainOfScreen(ScreenId screen)
{
    switch (screen) {
    case ScreenId::ATverd:
    case ScreenId::Vvod2:
    case ScreenId::okon:
    case ScreenId::okonchanie:
    case ScreenId::vivod4: return Mode::Transmission;
    case ScreenId::Vvod:
    case ScreenId::vivod1:
    case ScreenId::vivod2:
    case ScreenId::vivod3: return Mode::Wheel;
    case ScreenId::trebov2:
    case ScreenId::Vvod3:
    case ScreenId::result: return Mode::Check;
    default: return std::nullopt;
    }
}

StepRecorder::StepRecorder(CalcState& state, ScreenId screen, bool startsChain)
    : m_state(&state), m_mode(chainOfScreen(screen) ? chainOfScreen(screen) : state.mode)
{
    if (!m_mode)
        return;
    Walkthrough& walkthrough = m_state->walkthrough;
    auto& groups = walkthrough.modes[static_cast<size_t>(*m_mode)];
    if (startsChain || !groups)
        groups.emplace();
    const auto same =
        std::find_if(groups->begin(), groups->end(), [screen](const StepGroup& g) { return g.screen == screen; });
    groups->erase(same, groups->end());
    groups->push_back({screen, {}, {}, {}, ++walkthrough.lastSerial});
    // The longest Ok, the module's, records about sixty steps: room for
    // them at once rather than moved at every doubling.
    groups->back().steps.reserve(64);
    m_group = groups->size() - 1;
    if (!walkthrough.partial)
        forgetResultsOfCutChain(*m_state, *m_mode);
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

void StepRecorder::decision(Message text)
{
    if (StepGroup* g = group())
        g->steps.push_back({{}, {}, {}, 0, {}, std::move(text)});
}

void StepRecorder::refuse(Message reason)
{
    if (StepGroup* g = group()) {
        g->steps.clear();
        g->refusal = std::move(reason);
        if (!m_state->walkthrough.partial)
            forgetResultsOfCutChain(*m_state, *m_mode);
    }
}

void StepRecorder::given(GivenInputs inputs)
{
    if (StepGroup* g = group())
        g->given = std::move(inputs);
}

void StepRecorder::keepsResults()
{
    if (StepGroup* g = group())
        g->keepsResults = true;
}

} // namespace gear
