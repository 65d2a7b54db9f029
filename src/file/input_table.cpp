// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/input_table.h"

#include "geometry/pair_checks.h"

#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/steel_table.h"
#include "material/treatment_method.h"
#include "screens/walkthrough_text.h"
#include "shell/number_text.h"

#include <array>
#include <string>

namespace gear {

namespace {

// A typed field of an input screen: its caption and unit, in the order the
// screen's Ok reads the texts.
struct Field {
    const char* caption;
    const char* unit;
};

constexpr const char* kDegrees = GEAR_TR_NOOP("unit", "град");

constexpr std::array<Field, 4> kTransmissionFields{{
    {GEAR_TR_NOOP("inputs", "Число зубьев шестерни Z1"), ""},
    {GEAR_TR_NOOP("inputs", "Угол наклона зубьев β"), kDegrees},
    {GEAR_TR_NOOP("inputs", "Вращающий момент на валу шестерни T1"), unit::Nm},
    {GEAR_TR_NOOP("inputs", "Передаточное отношение U"), ""},
}};
constexpr std::array<Field, 6> kWheelFields{{
    {GEAR_TR_NOOP("inputs", "Число зубьев z"), ""},
    {GEAR_TR_NOOP("inputs", "Угол наклона зубьев β"), kDegrees},
    {GEAR_TR_NOOP("inputs", "Диаметр вала dв"), unit::mm},
    {GEAR_TR_NOOP("inputs", "Диаметр выступов da"), unit::mm},
    {GEAR_TR_NOOP("inputs", "Ширина зубчатого венца bw"), unit::mm},
    {GEAR_TR_NOOP("inputs", "Длина ступицы Lст"), unit::mm},
}};
constexpr std::array<Field, 4> kCheckFields{{
    {GEAR_TR_NOOP("inputs", "Делительный диаметр d"), unit::mm},
    {GEAR_TR_NOOP("inputs", "Число зубьев z"), ""},
    {GEAR_TR_NOOP("inputs", "Угол наклона зубьев β"), kDegrees},
    {GEAR_TR_NOOP("inputs", "Ширина зубчатого венца b"), unit::mm},
}};

class Rows {
public:
    Rows(std::string_view separator, const Translator& translate) : m_separator(separator), m_translate(translate) {}

    std::string words(std::string_view context, std::string_view source) const
    {
        return translated(m_translate, context, source);
    }

    void add(std::string caption, std::string value, std::string unit = {})
    {
        m_rows.push_back({std::move(caption), std::move(value), std::move(unit)});
    }

    // A choice by its name in the list it was chosen from.
    void choice(const char* caption, std::string_view context, const std::vector<std::string_view>& names, int chosen)
    {
        if (chosen >= 1 && chosen <= static_cast<int>(names.size()))
            add(words("inputs", caption), words(context, names[static_cast<size_t>(chosen - 1)]));
    }

    // The typed texts as the Ok read them.
    template <size_t N>
    void typed(const std::array<Field, N>& fields, const GivenInputs& given)
    {
        for (size_t i = 0; i < fields.size(); ++i) {
            const std::string_view text = i < given.texts.size() ? std::string_view(given.texts[i]) : "";
            add(words("inputs", fields[i].caption),
                text.empty() ? "—" : numberToText(Number(numberFromText(text)), m_separator),
                words("unit", fields[i].unit));
        }
    }

    // The hardness and the material limits a screen's Ok recorded, by the
    // symbols the walkthrough gives them.
    void recorded(const StepGroup& group)
    {
        for (const Step& step : group.steps) {
            const std::string_view symbol = step.quantity;
            const char* what = symbol.starts_with("H_") ? GEAR_TR_NOOP("inputs", "Твёрдость зубьев")
                               : symbol.starts_with("σ_H") ? GEAR_TR_NOOP("inputs", "Предел контактной выносливости")
                               : symbol.starts_with("σ_F") ? GEAR_TR_NOOP("inputs", "Предел выносливости при изгибе")
                                                           : nullptr;
            if (what)
                add(words("inputs", what) + " " + plainSymbols(quantityText(step, m_translate)),
                    numberToText(Number(step.result), m_separator), unitText(step, m_translate));
        }
    }

    std::vector<std::vector<std::string>> take() { return std::move(m_rows); }

private:
    std::string m_separator;
    const Translator& m_translate;
    std::vector<std::vector<std::string>> m_rows;
};

const char* titleOf(Mode mode)
{
    switch (mode) {
    case Mode::Transmission: return GEAR_TR_NOOP("inputs", "Исходные данные передачи");
    case Mode::Wheel: return GEAR_TR_NOOP("inputs", "Исходные данные колеса");
    case Mode::Check: return GEAR_TR_NOOP("inputs", "Исходные данные проверки");
    }
    return "";
}

std::vector<std::string_view> finalSteels()
{
    std::vector<std::string_view> grades;
    for (const SteelRow& row : kSteelRows)
        grades.push_back(row.gradeName);
    return grades;
}

// The rows of what one Ok was given, as its screen names them.
void addGivenRows(Rows& rows, const StepGroup& group, std::string_view decimalSeparator)
{
    const GivenInputs& given = group.given;
    switch (group.screen) {
    case ScreenId::ATverd:
        rows.add(rows.words("inputs", GEAR_TR_NOOP("inputs", "Строка таблицы рекомендуемой твёрдости")),
                 std::to_string(given.choice));
        rows.recorded(group);
        break;
    case ScreenId::trebov2:
        rows.choice(GEAR_TR_NOOP("inputs", "Требования к изготовлению"), "requirements",
                    {kRequirementOptions.begin(), kRequirementOptions.end()}, given.choice);
        break;
    case ScreenId::BNormal2:
    case ScreenId::Czakalka2:
        rows.choice(GEAR_TR_NOOP("inputs", "Способ обработки"), "treatment", treatmentOptions(group.screen),
                    given.choice);
        rows.recorded(group);
        break;
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5:
        rows.choice(GEAR_TR_NOOP("inputs", "Марка стали"), "steel", steelScreenContent(group.screen).grades,
                    given.choice);
        rows.recorded(group);
        break;
    case ScreenId::Vvod2:
        rows.typed(kTransmissionFields, given);
        // The speed is optional: a row only when it was typed.
        if (given.texts.size() > kTransmissionFields.size() && !given.texts[kTransmissionFields.size()].empty())
            rows.add(rows.words("inputs", GEAR_TR_NOOP("inputs", "Частота вращения шестерни n1")),
                     numberToText(Number(numberFromText(given.texts[kTransmissionFields.size()])), decimalSeparator),
                     rows.words("unit", GEAR_TR_NOOP("unit", "об/мин")));
        break;
    case ScreenId::Vvod: rows.typed(kWheelFields, given); break;
    case ScreenId::Vvod3: rows.typed(kCheckFields, given); break;
    case ScreenId::Vibor: {
        const std::string& taken = !given.texts.empty() && !given.texts[0].empty() ? given.texts[0]
                                   : given.texts.size() > 1                        ? given.texts[1]
                                                                                   : std::string();
        rows.add(rows.words("inputs", GEAR_TR_NOOP("inputs", "Стандартный модуль m")),
                 numberToText(Number(numberFromText(taken)), decimalSeparator), rows.words("unit", unit::mm));
        break;
    }
    case ScreenId::okon:
        if (given.choice >= 1)
            rows.choice(GEAR_TR_NOOP("inputs", "Сталь окончательного выбора"), "steel", finalSteels(), given.choice);
        else
            rows.add(rows.words("inputs", GEAR_TR_NOOP("inputs", "Сталь окончательного выбора")),
                     rows.words("inputs", GEAR_TR_NOOP("inputs", "не выбрана")));
        break;
    default: break;
    }
}

} // namespace

ResultTable inputTable(const CalcState& state, Mode mode, std::string_view decimalSeparator,
                       const Translator& translate)
{
    Rows rows(decimalSeparator, translate);
    ResultTable table{rows.words("inputs", titleOf(mode)), {}};
    const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
    if (!groups)
        return table;
    for (const StepGroup& group : *groups) {
        // A refused Ok gave the calculation nothing.
        if (group.refusal.empty())
            addGivenRows(rows, group, decimalSeparator);
    }
    table.rows = rows.take();
    return table;
}

std::vector<ResultTable> reportTables(const CalcState& state, std::string_view decimalSeparator,
                                      const Translator& translate)
{
    std::vector<ResultTable> results = resultTables(state, decimalSeparator, translate);
    std::vector<ResultTable> tables;
    size_t next = 0;
    for (const Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        if (!state.results[static_cast<size_t>(mode)] || next >= results.size())
            continue;
        tables.push_back(inputTable(state, mode, decimalSeparator, translate));
        tables.push_back(std::move(results[next++]));
        if (mode == Mode::Transmission) {
            for (ResultTable& check : strengthCheckTables(state, decimalSeparator, translate))
                tables.push_back(std::move(check));
        }
    }
    return tables;
}

} // namespace gear
