// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/walkthrough_text.h"

#include "shell/number_text.h"

namespace gear {

std::string_view modeTitle(Mode mode)
{
    switch (mode) {
    case Mode::Transmission: return "Передача";
    case Mode::Wheel: return "Колесо";
    case Mode::Check: return "Проверка";
    }
    return {};
}

std::string_view stepGroupTitle(ScreenId screen, Mode mode)
{
    switch (screen) {
    case ScreenId::ATverd: return "Твёрдость зубьев";
    case ScreenId::trebov2: return "Требования к изготовлению";
    case ScreenId::BNormal2:
    case ScreenId::Czakalka2: return "Способ обработки";
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5: return "Марка стали и пределы выносливости";
    case ScreenId::Vvod2: return "Проектный расчёт передачи";
    case ScreenId::Vibor:
        return mode == Mode::Wheel ? "Стандартный модуль и размеры колеса"
                                   : "Стандартный модуль, геометрия и рабочие напряжения";
    case ScreenId::okon: return "Окончательный выбор материала";
    case ScreenId::Vvod: return "Модуль колеса по диаметру вершин";
    case ScreenId::Vvod3: return "Проверочный расчёт допускаемой нагрузки";
    default: return screenName(screen);
    }
}

std::string plainSymbols(std::string_view marked)
{
    std::string text;
    for (size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] == '_')
            continue;
        if (marked[i] == '^' && i + 1 < marked.size() && (marked[i + 1] == '2' || marked[i + 1] == '3')) {
            text += marked[i + 1] == '2' ? "²" : "³";
            ++i;
            continue;
        }
        text += marked[i];
    }
    return text;
}

std::string modeWalkthroughText(const CalcState& state, Mode mode, std::string_view separator)
{
    std::string text = std::string(modeTitle(mode)) + '\n';
    const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
    if (!groups)
        return text + "  Расчёт в этом режиме ещё не выполнялся.\n";
    for (const StepGroup& group : *groups) {
        text += "  " + std::string(stepGroupTitle(group.screen, mode)) + '\n';
        if (!group.refusal.empty()) {
            text += "    Расчёт не выполнен: " + withDecimalSeparator(group.refusal, separator) + '\n';
            continue;
        }
        for (const Step& step : group.steps) {
            if (!step.decision.empty()) {
                text += "    → " + withDecimalSeparator(step.decision, separator) + '\n';
                continue;
            }
            text += "    " + plainSymbols(step.quantity);
            // A constant is its own result: "kF = 1.5" needs no formula.
            if (step.formula.find('{') != std::string::npos) {
                text += " = " + plainSymbols(symbolicForm(step, separator));
                text += " = " + plainSymbols(substitutedForm(step, separator));
            }
            text += " = " + resultText(step, separator);
            if (!step.unit.empty())
                text += ' ' + step.unit;
            text += '\n';
        }
    }
    return text;
}

std::string walkthroughText(const CalcState& state, std::string_view separator)
{
    std::string text;
    for (const Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check})
        text += modeWalkthroughText(state, mode, separator) + '\n';
    return text;
}

} // namespace gear
