// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/self_check.h"

#include "shell/formula.h"
#include "shell/number_text.h"

#include <algorithm>
#include <cmath>

namespace gear {

namespace {

// A hand-worked value has a few digits; a page of them is no number a
// student wrote.
constexpr size_t kLongestTypedNumber = 64;

std::string_view trimmedText(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The symbol as it reads, marks dropped, for a CSV typed by hand.
std::string unmarked(std::string_view symbol)
{
    std::string text;
    for (const char c : symbol) {
        if (c != '_' && c != '^' && c != ' ')
            text += c;
    }
    return text;
}

// The placeholders of a formula template, in order.
std::vector<std::string_view> placeholders(std::string_view formula)
{
    std::vector<std::string_view> names;
    size_t i = 0;
    while (i < formula.size()) {
        const size_t open = formula.find('{', i);
        if (open == std::string_view::npos)
            break;
        const size_t close = formula.find('}', open);
        if (close == std::string_view::npos)
            break;
        names.push_back(formula.substr(open + 1, close - open - 1));
        i = close + 1;
    }
    return names;
}

// The template with `numbers` in its placeholders, in order.
std::string substituted(std::string_view formula, const std::vector<std::string>& numbers)
{
    std::string text;
    size_t i = 0;
    size_t value = 0;
    while (i < formula.size()) {
        const size_t open = formula.find('{', i);
        const size_t close = open == std::string_view::npos ? open : formula.find('}', open);
        if (close == std::string_view::npos) {
            text += formula.substr(i);
            break;
        }
        text += formula.substr(i, open - i);
        text += value < numbers.size() ? numbers[value] : "0";
        ++value;
        i = close + 1;
    }
    return text;
}

std::string numberIn(double value, int digits, std::string_view separator)
{
    const std::string number = numberToText(value, digits, separator);
    return value < 0 ? "(" + number + ")" : number;
}

} // namespace

std::string SelfCheckWork::typed(const ValueLineKey& line) const
{
    const auto found =
        std::find_if(values.begin(), values.end(), [&](const TypedValue& value) { return value.line == line; });
    return found == values.end() ? std::string() : found->text;
}

void SelfCheckWork::type(const ValueLineKey& line, std::string text)
{
    const auto found =
        std::find_if(values.begin(), values.end(), [&](const TypedValue& value) { return value.line == line; });
    if (trimmedText(text).empty()) {
        if (found != values.end())
            values.erase(found);
    } else if (found != values.end()) {
        found->text = std::move(text);
    } else {
        values.push_back({line, std::move(text)});
    }
}

std::vector<ValueLine> valueLines(const Walkthrough& walkthrough, Mode mode)
{
    std::vector<ValueLine> lines;
    const std::vector<StepGroup>* groups = walkthrough.of(mode);
    if (!groups)
        return lines;
    for (size_t g = 0; g < groups->size(); ++g) {
        const StepGroup& group = (*groups)[g];
        if (!group.refusal.empty())
            continue;
        for (size_t s = 0; s < group.steps.size(); ++s) {
            const Step& step = group.steps[s];
            if (!step.decision.empty() || step.quantity.empty())
                continue;
            const int seen = static_cast<int>(std::count_if(
                lines.begin(), lines.end(), [&](const ValueLine& line) { return line.key.symbol == step.quantity; }));
            lines.push_back({{mode, step.quantity, seen + 1}, g, s, &step});
        }
    }
    return lines;
}

std::optional<double> typedNumber(std::string_view text)
{
    text = trimmedText(text);
    if (text.empty() || text.size() > kLongestTypedNumber)
        return std::nullopt;
    // Only a number in full: a sign, digits with one separator, an exponent.
    size_t i = 0;
    if (text[i] == '-' || text[i] == '+')
        ++i;
    size_t digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if ((c == '.' || c == ',') && !separator)
            separator = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    const double value = numberFromText(text);
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

bool agrees(double value, double expected, double tolerance)
{
    if (!std::isfinite(value) || !std::isfinite(expected))
        return false;
    const double allowed = std::max(std::abs(expected) * tolerance / 100.0, 1e-12 * std::max(1.0, std::abs(value)));
    return std::abs(value - expected) <= allowed;
}

std::vector<CheckedLine> checkLines(const Walkthrough& walkthrough, Mode mode, const SelfCheckWork& work,
                                    std::string_view separator)
{
    std::vector<CheckedLine> checked;
    for (const ValueLine& line : valueLines(walkthrough, mode)) {
        CheckedLine result{line, work.typed(line.key), LineMark::NotGiven, {}, {}};
        const Step& step = *line.computed;
        const std::optional<double> typed = typedNumber(result.typed);
        if (result.typed.empty()) {
            checked.push_back(std::move(result));
            continue;
        }
        if (!typed) {
            result.mark = LineMark::Unreadable;
            checked.push_back(std::move(result));
            continue;
        }
        if (agrees(*typed, step.result, work.tolerance)) {
            result.mark = LineMark::Right;
            checked.push_back(std::move(result));
            continue;
        }
        result.mark = LineMark::Wrong;
        // The formula again, each symbol the student computed on an earlier
        // line taken at the student's value for it.
        const std::vector<std::string_view> names = placeholders(step.formula);
        std::vector<std::string> exact;
        std::vector<std::string> shown;
        bool ownUsed = false;
        for (size_t k = 0; k < names.size(); ++k) {
            double value = k < step.values.size() ? step.values[k] : 0.0;
            for (auto earlier = checked.rbegin(); earlier != checked.rend(); ++earlier) {
                if (earlier->line.key.symbol != names[k])
                    continue;
                if (const auto own = typedNumber(earlier->typed)) {
                    value = *own;
                    ownUsed = true;
                }
                break;
            }
            exact.push_back(numberIn(value, 15, "."));
            shown.push_back(numberIn(value, kResultDigits, separator));
        }
        if (!names.empty()) {
            result.ownSubstituted = substituted(withDecimalSeparator(step.formula, separator), shown);
            result.ownValue = evaluateFormula(substituted(step.formula, exact));
        }
        if (ownUsed && result.ownValue && agrees(*typed, *result.ownValue, work.tolerance))
            result.mark = LineMark::RightByOwnData;
        checked.push_back(std::move(result));
    }
    return checked;
}

std::string markText(LineMark mark, const Translator& translate)
{
    switch (mark) {
    case LineMark::NotGiven: return {};
    case LineMark::Unreadable: return translated(translate, "selfcheck", GEAR_TR_NOOP("selfcheck", "не число"));
    case LineMark::Right: return "✓";
    case LineMark::RightByOwnData:
        return "✓ " + translated(translate, "selfcheck", GEAR_TR_NOOP("selfcheck", "верно по вашим данным"));
    case LineMark::Wrong: return "✗";
    }
    return {};
}

ImportedValues importTypedValues(std::string_view csv, const Walkthrough& walkthrough, Mode mode)
{
    ImportedValues imported;
    const std::vector<ValueLine> lines = valueLines(walkthrough, mode);
    int lineNumber = 0;
    bool first = true;
    if (csv.substr(0, 3) == "\xEF\xBB\xBF")
        csv.remove_prefix(3);
    while (!csv.empty()) {
        const size_t end = csv.find('\n');
        std::string_view row = trimmedText(csv.substr(0, end));
        csv = end == std::string_view::npos ? std::string_view() : csv.substr(end + 1);
        ++lineNumber;
        if (row.empty() || row.front() == '#')
            continue;
        const size_t split = std::min(row.find(';'), row.find('\t'));
        const std::string_view symbol = trimmedText(row.substr(0, split));
        const std::string_view value =
            split == std::string_view::npos ? std::string_view() : trimmedText(row.substr(split + 1));
        const bool heading = first && !typedNumber(value);
        first = false;
        const auto named = [&](const ValueLine& line) {
            return line.key.symbol == symbol || unmarked(line.key.symbol) == unmarked(symbol);
        };
        if (heading && std::none_of(lines.begin(), lines.end(), named))
            continue;
        if (!typedNumber(value)) {
            imported.refusal = GEAR_TR("selfcheck", "Строка %1: после «;» нужно число, например «σH1;803,3».")
                                   .arg(std::to_string(lineNumber));
            imported.values.clear();
            return imported;
        }
        std::vector<const ValueLine*> ofSymbol;
        for (const ValueLine& line : lines) {
            if (named(line))
                ofSymbol.push_back(&line);
        }
        // A symbol given again is the next line of that symbol.
        const size_t before = static_cast<size_t>(
            std::count_if(imported.values.begin(), imported.values.end(), [&](const TypedValue& given) {
                return std::any_of(ofSymbol.begin(), ofSymbol.end(),
                                   [&](const ValueLine* line) { return line->key == given.line; });
            }));
        if (before >= ofSymbol.size()) {
            imported.refusal = GEAR_TR("selfcheck", "Строка %1: в ходе расчёта нет строки %2.")
                                   .arg(std::to_string(lineNumber))
                                   .arg(Message::verbatim(std::string(symbol.substr(0, 60))));
            imported.values.clear();
            return imported;
        }
        const ValueLine* line = ofSymbol[before];
        imported.values.push_back({line->key, std::string(value)});
    }
    return imported;
}

} // namespace gear
