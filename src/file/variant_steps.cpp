// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_steps.h"

#include "file/calculation_file.h"
#include "file/excerpt.h"
#include "file/variant_list.h"
#include "geometry/module_choice.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/number_text.h"
#include "material/steel_table.h"
#include "geometry/standard_series.h"

#include <charconv>
#include <utility>

namespace gear {

namespace detail {

namespace {

constexpr std::array<std::string_view, kModeCount> kRussianModeNames{"передача", "колесо", "проверка"};

// Computes one row, or says what is wrong with it.
class VariantRunner {
public:
    VariantRunner(const Row& row, Mode mode) : m_row(row), m_mode(mode) {}

    std::string error;
    CalcState state = startUpState();
    double designModule = 0;

    bool run()
    {
        switch (m_mode) {
        case Mode::Transmission: return transmission();
        case Mode::Wheel: return wheel();
        case Mode::Check: return check();
        }
        return false;
    }

private:
    bool fail(std::string why)
    {
        error = std::move(why);
        return false;
    }

    std::optional<std::string> number(std::string_view column, bool required)
    {
        const std::string_view text = m_row.cell(column);
        if (text.empty()) {
            if (required) {
                fail("нет значения в столбце " + std::string(column) + ".");
                return std::nullopt;
            }
            return std::string();
        }
        if (!isPlainNumber(text)) {
            fail("в столбце " + std::string(column) + " стоит «" + excerpt(text) +
                 "», а нужно число, записанное с точкой.");
            return std::nullopt;
        }
        return std::string(text);
    }

    // A number of an option, or one of the option names.
    std::optional<int> option(std::string_view column, const std::vector<std::string_view>& names,
                              std::string_view prefix = {})
    {
        const std::string_view text = m_row.cell(column);
        if (text.empty()) {
            fail("нет значения в столбце " + std::string(column) + ".");
            return std::nullopt;
        }
        if (const auto number = wholeNumber(text)) {
            if (*number >= 1 && *number <= static_cast<int>(names.size()))
                return number;
        }
        const std::string typed = foldLookAlikes(text);
        const std::string prefixed = foldLookAlikes(std::string(prefix) + std::string(text));
        for (size_t i = 0; i < names.size(); ++i) {
            const std::string name = foldLookAlikes(names[i]);
            if (name == typed || (!prefix.empty() && name == prefixed))
                return static_cast<int>(i) + 1;
        }
        std::string offered;
        for (size_t i = 0; i < names.size(); ++i)
            offered += (i ? ", " : "") + std::to_string(i + 1) + " — " + std::string(names[i]);
        fail("в столбце " + std::string(column) + " стоит «" + excerpt(text) + "», а можно: " + offered + ".");
        return std::nullopt;
    }

    Outcome step(Mode mode, ScreenId screen, GivenInputs given)
    {
        return runStep(state, {mode, screen, std::move(given)});
    }

    bool refused(const Outcome& outcome)
    {
        if (outcome.refused())
            return !fail(outcome.refusal.text());
        return false;
    }

    // The treatment and the steel of the screens a hardness or requirement
    // leads to, then the input screen.
    bool material(ScreenId treatmentScreen)
    {
        const auto treatment = option("treatment", treatmentOptions(treatmentScreen));
        if (!treatment)
            return false;
        const Outcome treated = step(m_mode, treatmentScreen, {*treatment, {}});
        if (!treated.next)
            return fail("способ обработки не выбран.");
        const ScreenId next = *treated.next;
        if (next == ScreenId::Vvod2 || next == ScreenId::Vvod3) {
            if (!m_row.cell("steel").empty())
                return fail("при азотировании сталь одна (30Х2МЮА): оставьте столбец steel пустым.");
            return true;
        }
        const auto grade = option("steel", steelScreenContent(next).grades, "Сталь ");
        if (!grade)
            return false;
        const Outcome graded = step(m_mode, next, {*grade, {}});
        return !refused(graded);
    }

    // The module as the module screen takes a typed one: the core's own rule
    // decides which modules a calculation can use. A module of either row of
    // the standard is given as that row's item, so that the walkthrough says
    // which row it came from; any other goes in the first row's field.
    bool moduleTaken(Mode mode)
    {
        const auto module = number("m", true);
        if (!module)
            return false;
        const double value = numberFromText(*module);
        std::string row1 = *module;
        std::string row2;
        for (const std::string_view item : kModuleRow1) {
            if (!item.empty() && numberFromText(item) == value)
                row1 = item;
        }
        for (const std::string_view item : kModuleRow2) {
            if (!item.empty() && numberFromText(item) == value) {
                row1.clear();
                row2 = item;
            }
        }
        const Outcome chosen = step(mode, ScreenId::Vibor, {0, {row1, row2}});
        // A module the screen cannot take opens its error screen; the
        // walkthrough keeps the reason.
        if (chosen.next == ScreenId::oshibka1) {
            const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
            if (groups && !groups->empty() && !groups->back().refusal.empty())
                return fail(groups->back().refusal.text());
            return fail("модуль " + excerpt(*module) + " мм не взят.");
        }
        return !refused(chosen);
    }

    bool transmission()
    {
        const std::string_view rowText = m_row.cell("row");
        const auto row = wholeNumber(rowText);
        if (!row || *row < 1 || *row > 7)
            return fail("в столбце row должен стоять номер строки таблицы твёрдости, от 1 до 7.");
        const Outcome hardness = step(Mode::Transmission, ScreenId::ATverd, {*row, {}});
        if (!material(*hardness.next))
            return false;
        const auto Z1 = number("Z1", true);
        const auto beta = Z1 ? number("beta", false) : std::nullopt;
        const auto T1 = beta ? number("T1", true) : std::nullopt;
        const auto U = T1 ? number("U", true) : std::nullopt;
        if (!U)
            return false;
        if (refused(step(Mode::Transmission, ScreenId::Vvod2, {0, {*Z1, *beta, *T1, *U}})))
            return false;
        designModule = state.m;
        if (!moduleTaken(Mode::Transmission))
            return false;
        const std::string_view steel = m_row.cell("final_steel");
        if (!steel.empty()) {
            const auto index = wholeNumber(steel);
            if (!index || *index < 1 || *index > static_cast<int>(kSteelRows.size()))
                return fail("в столбце final_steel должен стоять номер строки таблицы сталей, от 1 до 29.");
            step(Mode::Transmission, ScreenId::okon, {*index, {}});
        }
        return true;
    }

    bool check()
    {
        const auto requirement = option("requirement", {kRequirementOptions.begin(), kRequirementOptions.end()});
        if (!requirement)
            return false;
        const Outcome asked = step(Mode::Check, ScreenId::trebov2, {*requirement, {}});
        if (!material(*asked.next))
            return false;
        const auto d = number("d", true);
        const auto z = d ? number("z", true) : std::nullopt;
        const auto beta = z ? number("beta", false) : std::nullopt;
        const auto b = beta ? number("b", true) : std::nullopt;
        if (!b)
            return false;
        return !refused(step(Mode::Check, ScreenId::Vvod3, {0, {*d, *z, *beta, *b}}));
    }

    bool wheel()
    {
        std::vector<std::string> texts;
        for (const auto& [column, required] : std::array<std::pair<std::string_view, bool>, 6>{
                 {{"Z1", true}, {"beta", false}, {"dv", false}, {"da", true}, {"bw", false}, {"Lst", false}}}) {
            const auto text = number(column, required);
            if (!text)
                return false;
            texts.push_back(*text);
        }
        if (refused(step(Mode::Wheel, ScreenId::Vvod, {0, texts})))
            return false;
        return moduleTaken(Mode::Wheel);
    }

    const Row& m_row;
    Mode m_mode;
};

} // namespace

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<Mode> modeNamed(std::string_view text)
{
    const std::string typed = foldLookAlikes(text);
    for (size_t m = 0; m < kModeCount; ++m) {
        if (typed == foldLookAlikes(kModeNames[m]) || typed == foldLookAlikes(kRussianModeNames[m]))
            return static_cast<Mode>(m);
    }
    return std::nullopt;
}

VariantSteps runVariantSteps(const Row& row, Mode mode)
{
    VariantRunner runner(row, mode);
    VariantSteps steps;
    steps.computed = runner.run();
    steps.error = std::move(runner.error);
    steps.state = std::move(runner.state);
    steps.designModule = runner.designModule;
    return steps;
}

} // namespace detail

bool isPlainNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponent = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return false;
    }
    return i == text.size();
}

std::string foldLookAlikes(std::string_view text)
{
    // Latin capitals and small letters drawn like Cyrillic ones, and ё.
    static constexpr std::array<std::pair<char, std::string_view>, 19> kLatin{{
        {'A', "А"}, {'B', "В"}, {'C', "С"}, {'E', "Е"}, {'H', "Н"}, {'K', "К"}, {'M', "М"},
        {'O', "О"}, {'P', "Р"}, {'T', "Т"}, {'X', "Х"}, {'Y', "У"}, {'a', "а"}, {'c', "с"},
        {'e', "е"}, {'o', "о"}, {'p', "р"}, {'x', "х"}, {'y', "у"},
    }};
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto latin =
            std::find_if(kLatin.begin(), kLatin.end(), [c](const auto& pair) { return pair.first == c; });
        if (latin != kLatin.end()) {
            folded += latin->second;
        } else if (text.substr(i, 2) == "ё") {
            folded += "е";
            ++i;
        } else if (text.substr(i, 2) == "Ё") {
            folded += "Е";
            ++i;
        } else {
            folded += c;
        }
    }
    return folded;
}

} // namespace gear
