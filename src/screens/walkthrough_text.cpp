// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/walkthrough_text.h"

#include "screens/screen_catalogue.h"
#include "shell/number_text.h"

namespace gear {

std::string_view modeTitle(Mode mode)
{
    switch (mode) {
    case Mode::Transmission: return GEAR_TR_NOOP("mode", "Передача");
    case Mode::Wheel: return GEAR_TR_NOOP("mode", "Колесо");
    case Mode::Check: return GEAR_TR_NOOP("mode", "Проверка");
    }
    return {};
}

std::string stepGroupTitle(ScreenId screen, Mode mode, const Translator& translate)
{
    const CoreText title = screenEntry(screen).walkthroughTitles[static_cast<size_t>(mode)];
    return title.empty() ? std::string(screenName(screen)) : translated(translate, title);
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

namespace {

WalkthroughSection sectionOf(const CalcState& state, Mode mode, std::string_view separator, const Translator& translate)
{
    const auto words = [&](std::string_view context, std::string_view source) {
        return translated(translate, context, source);
    };
    WalkthroughSection section{mode, words("mode", modeTitle(mode)), {}, {}};
    const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
    if (!groups) {
        section.notRun = words("walkthrough", GEAR_TR_NOOP("walkthrough", "Расчёт в этом режиме ещё не выполнялся."));
        return section;
    }
    for (const StepGroup& group : *groups) {
        WalkthroughGroup shown{group.screen, stepGroupTitle(group.screen, mode, translate), {}, {}};
        if (!group.refusal.empty()) {
            shown.refusal =
                fillPlaceholders(words("walkthrough", GEAR_TR_NOOP("walkthrough", "Расчёт не выполнен: %1")),
                                 {withDecimalSeparator(group.refusal.text(translate), separator)});
            section.groups.push_back(std::move(shown));
            continue;
        }
        for (const Step& step : group.steps) {
            WalkthroughLine line;
            line.value = step.result;
            if (!step.decision.empty()) {
                line.decision = withDecimalSeparator(step.decision.text(translate), separator);
                shown.lines.push_back(std::move(line));
                continue;
            }
            line.quantity = quantityText(step, translate);
            if (step.formula.find('{') != std::string::npos) {
                line.symbolic = symbolicForm(step, separator, translate);
                line.substituted = substitutedForm(step, separator, translate);
            }
            line.result = resultText(step, separator);
            if (!step.unit.empty())
                line.result += ' ' + unitText(step, translate);
            shown.lines.push_back(std::move(line));
        }
        section.groups.push_back(std::move(shown));
    }
    return section;
}

} // namespace

std::vector<WalkthroughSection> walkthroughSections(const CalcState& state, std::string_view separator,
                                                    const Translator& translate)
{
    std::vector<WalkthroughSection> sections;
    for (const Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check})
        sections.push_back(sectionOf(state, mode, separator, translate));
    return sections;
}

std::string walkthroughSectionText(const WalkthroughSection& section)
{
    std::string text = section.title + '\n';
    if (!section.notRun.empty())
        return text + "  " + section.notRun + '\n';
    for (const WalkthroughGroup& group : section.groups) {
        text += "  " + group.title + '\n';
        if (!group.refusal.empty()) {
            text += "    " + group.refusal + '\n';
            continue;
        }
        for (const WalkthroughLine& line : group.lines) {
            if (!line.decision.empty()) {
                text += "    → " + line.decision + '\n';
                continue;
            }
            text += "    " + plainSymbols(line.quantity);
            if (!line.symbolic.empty())
                text += " = " + plainSymbols(line.symbolic) + " = " + plainSymbols(line.substituted);
            text += " = " + line.result + '\n';
        }
    }
    return text;
}

std::string modeWalkthroughText(const CalcState& state, Mode mode, std::string_view separator,
                                const Translator& translate)
{
    return walkthroughSectionText(sectionOf(state, mode, separator, translate));
}

std::string walkthroughText(const CalcState& state, std::string_view separator, const Translator& translate)
{
    std::string text;
    for (const WalkthroughSection& section : walkthroughSections(state, separator, translate))
        text += walkthroughSectionText(section) + '\n';
    return text;
}

} // namespace gear
