// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace gear {

// The value of a formula written the way the walkthrough writes it with its
// numbers in: decimal numbers with a point, + − · / and ^ with a whole
// exponent, parentheses, √(…), ∛(…) and cos(…) of radians. Anything else —
// a word, a table look-up — gives no value, and so does arithmetic without
// a finite result.
std::optional<double> evaluateFormula(std::string_view formula);

} // namespace gear
