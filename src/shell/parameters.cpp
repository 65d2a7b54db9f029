// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/parameters.h"

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

Outcome applyParameters(CalcState& state, const std::array<std::string, kCoefficientCount>& texts)
{
    CoefficientSet typed = state.defaults;
    for (size_t i = 0; i < kCoefficients.size(); ++i) {
        const double value = numberFromText(texts[i]);
        if (!std::isfinite(value) || value <= 0.0) {
            return Outcome::refuse(GEAR_TR("refusal", "Коэффициент %1 должен быть положительным числом.")
                                       .arg(std::string(kCoefficients[i].name)));
        }
        typed.*kCoefficients[i].preset = value;
    }
    // Only the set changes: the coefficients a chain in progress has already
    // written (Sh of the treatment, kf and kfa of the design) stay, and the
    // new set takes effect where the program writes the set.
    state.defaults = typed;
    return Outcome::close();
}

} // namespace gear
