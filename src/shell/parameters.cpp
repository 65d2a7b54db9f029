// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/parameters.h"

#include "shell/input_range.h"
#include "shell/number_text.h"
#include "shell/reference_tables.h"

#include <cmath>

namespace gear {

std::array<std::string, kCoefficientCount> parameterTexts(const CalcState& state, std::string_view decimalSeparator)
{
    std::array<std::string, kCoefficientCount> texts;
    for (size_t i = 0; i < kCoefficients.size(); ++i)
        texts[i] = numberToText(Number(state.defaults.*kCoefficients[i].preset), decimalSeparator);
    return texts;
}

Message coefficientRangeRefusal(const CoefficientInfo& coefficient, double value)
{
    const bool aboveLow = coefficient.lowExcluded ? value > coefficient.low : value >= coefficient.low;
    if (aboveLow && value <= coefficient.high)
        return {};
    const std::string name(coefficient.name);
    if (coefficient.loadFactor && value < coefficient.low)
        return GEAR_TR("refusal", "Коэффициент %1 не может быть меньше 1: коэффициент нагрузки, её неравномерности "
                                  "или динамики по определению не меньше единицы.")
            .arg(name);
    if (coefficient.lowExcluded)
        return GEAR_TR("refusal", "Коэффициент %1 должен быть больше %2 и не больше %3.")
            .arg(name)
            .arg(numberToText(Number(coefficient.low)))
            .arg(numberToText(Number(coefficient.high)));
    return GEAR_TR("refusal", "Коэффициент %1 должен быть от %2 до %3.")
        .arg(name)
        .arg(numberToText(Number(coefficient.low)))
        .arg(numberToText(Number(coefficient.high)));
}

Outcome applyParameters(CalcState& state, const std::array<std::string, kCoefficientCount>& texts)
{
    CoefficientSet typed = state.defaults;
    for (size_t i = 0; i < kCoefficients.size(); ++i) {
        if (!holdsNumber(texts[i]))
            return Outcome::refuse(
                GEAR_TR("refusal", "Введите коэффициент %1 числом.").arg(std::string(kCoefficients[i].name)),
                static_cast<int>(i));
        const double value = numberFromText(texts[i]);
        if (Message refusal = coefficientRangeRefusal(kCoefficients[i], value); !refusal.empty())
            return Outcome::refuse(std::move(refusal), static_cast<int>(i));
        typed.*kCoefficients[i].preset = value;
    }
    // Only the set changes: the coefficients a chain in progress has already
    // written (Sh of the treatment, kf and kfa of the design) stay, and the
    // new set takes effect where the program writes the set.
    state.defaults = typed;
    return Outcome::close();
}

} // namespace gear
